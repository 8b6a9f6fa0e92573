// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence/sequence_state.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

struct Seq : ::testing::Test {
    std::vector<int> heads(int n) {
        std::vector<int> out;
        for (int i = 0; i < n; ++i) out.push_back(seq.Head());
        return out;
    }
    FakeRandom random;
    FakeClock clock;
    int beeps = 0;
    clsSeq seq{random, clock, [this] { ++beeps; }};
};

TEST_F(Seq, CyclicOrderGoesOnAcrossEditsAndBadRemovalsBeep) {
    EXPECT_EQ(std::tuple(heads(2), seq.GetRandom(), seq.GetCount()),
              std::tuple(std::vector{0, 0}, 0, 0));
    for (std::uint8_t i : {3, 5, 1}) seq.PutItem(i);
    EXPECT_EQ(heads(4), (std::vector<int>{3, 5, 1, 3}));
    seq.KillItem(2);  // 3, 1; the cursor stands at 2
    EXPECT_EQ(heads(3), (std::vector<int>{1, 3, 1}));
    for (std::uint8_t bad : {0, 3, 255}) seq.KillItem(bad);
    EXPECT_EQ(std::tuple(beeps, seq.GetCount()), std::tuple(3, 2));
    for (std::uint8_t i : {4, 6, 2, 2, 2, 2, 2, 2, 2}) seq.PutItem(i);  // the eleventh is refused
    EXPECT_EQ(
        std::tuple(seq.GetCount(), seq.GetValueItem(3), seq.GetValueItem(10), seq.GetValueItem(11)),
        std::tuple(10, 4, 2, 0));
    EXPECT_EQ(heads(2), (std::vector<int>{3, 1}));
    for (int i = 0; i < 8; ++i) seq.KillItem(3);  // 3, 1 left; the cursor (3) beyond them
    EXPECT_EQ(std::tuple(heads(2), beeps), std::tuple(std::vector{3, 1}, 3));
}

// A draw d picks position round(d * n + 1), halves to the even one, the last at most: position 1
// comes with 0.5/n, the middle ones with 1/n, the last with 1.5/n.
TEST_F(Seq, DrawsRoundHalfToEvenOntoThePositions) {
    for (std::uint8_t i = 1; i <= 4; ++i) seq.PutItem(i);
    random.push({0.0, 0.124, 0.125, 0.375, 0.376, 0.624, 0.625, 0.9999});
    std::vector<int> got;
    for (int i = 0; i < 8; ++i) got.push_back(seq.GetRandom());
    EXPECT_EQ(got, (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4}));
}

TEST_F(GameTest, TheQueueDealsTheSequenceFromTheNextEnteringFigure) {
    SequenceState sequence{random, clock};  // dealt in order, not drawn
    for (std::uint8_t k : {0, 2, 6}) sequence.FigureSequence.PutItem(k);
    game.chooser().setSequence(&sequence);
    random.fallback = 0.5;  // random figures: Tumblix figures, never J, I or O
    game.Form_Load();
    auto queued = s().FigureQueue;
    sequence.SequenceOn = true;
    std::vector<std::string> entered;
    for (int i = 0; i < 4; ++i) {
        s().board.clear();
        land();
        const QueueEntry& e = s().FigureQueue[4];
        entered.push_back(e.pattern + (e.isTumblix || e.bonus ? " Tumblix" : ""));
    }
    const std::string J(sequenceKindPattern(0)), I(sequenceKindPattern(2)), O(kOPattern);
    EXPECT_EQ(entered, (std::vector<std::string>{J, I, O, J}));
    EXPECT_EQ(s().FigureQueue[0].pattern, queued[4].pattern);  // queued figures kept
}

}  // namespace
}  // namespace tumblix::test
