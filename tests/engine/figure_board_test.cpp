#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/board.h"
#include "engine/figure.h"
#include "engine/figure_chooser.h"
#include "support/fakes.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

TEST(Patterns, KindTableAndFallbacks) {
    const char* table[] = {"0000111010000000", "0000011100010000", "0000111100000000",
                           "0000010001100010", "0000001001100100", "0000001001110000"};
    for (int k = -1; k <= 100; ++k) {
        std::string_view known = k >= 0 && k < 6 ? table[k] : kOPattern;
        EXPECT_EQ(randomKindPattern(k), k == 7 ? table[2] : known) << k;
        EXPECT_EQ(sequenceKindPattern(k), known) << k;
    }
}

TEST(Patterns, CharacterKIsColumnKDiv4RowKMod4) {
    FigureBox box{};
    EXPECT_EQ(decodePattern(kSuperPattern, box), 12);
    EXPECT_EQ(box, boxFromRows({"####", ".#.#", ".#.#", "####"}));
    EXPECT_EQ(decodePattern("1", box), 1);  // a short pattern leaves the rest empty
    EXPECT_EQ(box, boxFromRows({"#...", "....", "....", "...."}));
}

TEST(Patterns, RotationTurnsClockwiseAndInversionFlipsEveryCell) {
    FigureBox j{};
    EXPECT_EQ(decodePattern("0000111010000000", j), 4);
    FigureBox turned = rotatedClockwise(j);
    EXPECT_EQ(turned, boxFromRows({"....", ".###", "...#", "...."}));
    EXPECT_EQ(rotatedClockwise(rotatedClockwise(rotatedClockwise(turned))), j);
    EXPECT_EQ(inverted(j), boxFromRows({"#..#", "#.##", "#.##", "####"}));
}

struct FakeSequence final : SequenceSource {
    bool on() const override { return true; }
    bool randomOrder() const override { return false; }
    int head() override { return kinds[i++ % kinds.size()]; }
    int randomKind() override { return kinds[0]; }
    std::vector<int> kinds;
    std::size_t i = 0;
};

struct Chooser : ::testing::Test {
    FakeRandom random;
    FakeClock clock;
    FigureChooser chooser{random, clock};
};

TEST_F(Chooser, StirsBySecondsThenPicksTheKind) {
    clock.sec = 3;
    random.push(0.99, 4);  // four numbers stirred away for second 3
    random.push({0.9, 0.0});
    QueueEntry e = chooser.next(8);  // int(0.9 * 8) = 7: the bar again
    EXPECT_EQ(e.pattern, randomKindPattern(2));
    EXPECT_EQ(random.draws, 6);
    clock.sec = 0;
    random.push({0.0, 0.86, 0.0});  // int(0.86 * 7) = 6: O
    EXPECT_EQ(chooser.next(7).pattern, kOPattern);
}

TEST_F(Chooser, TumblixFigureWhenTheSecondDrawHits25AndSuperWhenNoCellIsDrawn) {
    random.push({0.0, 0.0, 0.49, 0.0, 0.0, 0.52});  // int(24.5) and int(26) miss
    EXPECT_FALSE(chooser.next(7).isTumblix || chooser.next(7).isTumblix);
    // One stir, then per column a stir and four draws, a cell from 0.8 on; the bonus draw
    // gives 30000 + 10000.5, which rounds to even. The super figure takes no bonus draw.
    random.dealTumblix("1100000000000001", 0.5);
    random.dealTumblix(kSuperPattern);
    random.push({0.123});
    QueueEntry e = chooser.next(7), super = chooser.next(7);
    EXPECT_EQ(std::tie(e.pattern, e.bonus, e.isTumblix),
              std::make_tuple("1100000000000001", 40000, true));
    EXPECT_EQ(std::tie(super.pattern, super.bonus, super.isTumblix),
              std::make_tuple(std::string(kSuperPattern), 250000, true));
    EXPECT_EQ(random.script.size(), 1u);
}

TEST_F(Chooser, SequenceReplacesTheRandomChoiceWithoutTumblixFigures) {
    FakeSequence seq;
    seq.kinds = {3, 7};
    chooser.setSequence(&seq);
    clock.sec = 1;
    random.fallback = 0.5;  // would make every figure a Tumblix figure in random mode
    QueueEntry z = chooser.next(7), o = chooser.next(7);
    EXPECT_EQ(z.pattern + o.pattern, std::string(randomKindPattern(3)) + std::string(kOPattern));
    EXPECT_FALSE(z.isTumblix || o.isTumblix || z.bonus || o.bonus);
    EXPECT_EQ(random.draws, 4);  // only the stirring
}

const FigureBox bar = boxFromRows(kBar);  // cells in box column 1, rows 0..3

// The edges of the playfield and the cells that block; the landing and drawing tests cover the
// ordinary cases.
TEST(Board, FigureStaysInsideTheColumnsAndAboveTheFloorAndOffFilledCells) {
    Board b = Board::fromPicture({"...#...........", "...............", "#.............."});
    // Columns 4..18 and rows ..30; column 7 is filled from row 28, column 4 at row 30.
    const std::tuple<int, int, bool> fits[] = {{3, 0, true},   {2, 0, false}, {17, 0, true},
                                               {18, 0, false}, {4, 27, true}, {4, 28, false},
                                               {6, 24, true},  {6, 25, false}};
    for (auto [x, y, ok] : fits) EXPECT_EQ(b.fits(bar, x, y), ok) << x << "," << y;
    EXPECT_TRUE(b.canMoveDown(bar, 4, 26));
    EXPECT_FALSE(b.canMoveDown(bar, 4, 27));
    EXPECT_EQ(b.landingRow(bar, 3, 0), 26);
    // A box whose cells sit in its top row falls to the very last row.
    EXPECT_EQ(b.landingRow(boxFromRows({"##..", "....", "....", "...."}), 5, 0), 30);
    EXPECT_TRUE(b.overlaps(bar, 6, 26));
    EXPECT_FALSE(b.overlaps(bar, 5, 26));  // the filled cell is under an empty box column
}

TEST(Board, RowIsFullWithAllFifteenCellsAndRemovalShiftsEverythingAbove) {
    Board b = Board::fromPicture({"###############", "##############."});
    b.set(8, 1, 5);
    b.set(9, 0, 6);
    EXPECT_TRUE(b.rowFull(29));
    EXPECT_FALSE(b.rowFull(30));
    b.removeRow(29);
    EXPECT_EQ(b.picture(29), "...............\n##############.\n");
    EXPECT_EQ(b.at(8, 2) * 10 + b.at(9, 1), 56u);  // colours travel with their cells
    for (int c = 0; c <= Board::kMaxX; ++c) EXPECT_EQ(b.at(c, 0) + b.at(c, 1) * (c != 9), 0u);
}

}  // namespace
}  // namespace tumblix::test
