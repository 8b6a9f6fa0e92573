#include <gtest/gtest.h>

#include <algorithm>

#include "engine/scoring.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

struct LandingTest : GameTest {
    // Lands a bar in column 7 on a well whose n bottom rows it completes.
    void clearRows(int n) {
        well(std::vector<std::string_view>(n, "###.###########"));
        put(kBar, 6, 0);
        land();
    }
};

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Scoring, LinesBonusInTenths) {
    EXPECT_EQ(linesBonus(1), 2750);
    EXPECT_EQ(linesBonus(2), 8000);
    EXPECT_EQ(linesBonus(3), 22250);
    EXPECT_EQ(linesBonus(4), 50000);
}

TEST_F(LandingTest, LandingWritesTheFigureAndBringsInTheNextOne) {
    s().FigureColor = rgb(1, 2, 3);
    s().DownButtonColor = rgb(4, 5, 6);
    game.panel().setVisible(Ctl::lblFirma, true);
    game.panel().setEnabled(Ctl::cmdDown, false);
    s().FigureQueue[1].pattern = std::string(randomKindPattern(4));
    s().FigureQueue[4].pattern = std::string(randomKindPattern(5));
    random.push({0.9});  // the landing sound
    put(kBar, 12, 3);
    land();

    for (int r = 27; r <= 30; ++r) EXPECT_EQ(s().board.at(13, r), rgb(1, 2, 3)) << r;
    EXPECT_EQ(game.panel()[Ctl::cmdDown].backColor, rgb(4, 5, 6));
    EXPECT_FALSE(game.panel()[Ctl::lblFirma].visible);
    EXPECT_TRUE(game.panel()[Ctl::cmdDown].enabled);
    EXPECT_EQ(host.sounds, std::vector<Sound>{Sound::mDown1});
    EXPECT_EQ(s().FigureQueue[0].pattern, randomKindPattern(4));
    EXPECT_EQ(s().FigureQueue[3].pattern, randomKindPattern(5));
    EXPECT_EQ(s().FigureQueue[4].pattern, randomKindPattern(0));
    FigureBox expected{};
    decodePattern(randomKindPattern(4), expected);
    EXPECT_EQ(s().Figure, expected);
    EXPECT_EQ(s().FigureX, 9);
    EXPECT_EQ(s().FigureY, 0);
    EXPECT_FALSE(s().Dropping);
    EXPECT_EQ(s().FigureCells, 8);
}

TEST_F(LandingTest, SeparateFullRowsCountTogetherAndTheRestMovesDown) {
    well({
        "...............",
        "###.###########",
        "#..............",
        "###.###########",
    });
    s().FigureColor = rgb(9, 9, 9);
    s().FigureClicks = 3;
    put(kBar, 6, 0);
    land();
    EXPECT_EQ(s().board.picture(28),
              "...............\n"
              "...#...........\n"
              "#..#...........\n");
    EXPECT_EQ(s().board.at(7, 29), rgb(9, 9, 9));
    EXPECT_EQ(s().board.at(4, 30), 1u);
    EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::mDown2, Sound::mDelLin1}));
    EXPECT_EQ(s().Score, 8000 + 2010 + 32);
    EXPECT_EQ(text(lblCountLines(2)), "2-Lines*1 = 800");
    EXPECT_EQ(stats().back(), "1. +1004 -> 2 lines (3)");
    EXPECT_EQ(s().Clicks, 3);
    EXPECT_EQ(s().FigureClicks, 0);
}

TEST_F(LandingTest, LinesLabelCountsLandingsOfTheSameSize) {
    for (int i = 0; i < 3; ++i) clearRows(2);
    EXPECT_EQ(text(lblCountLines(2)), "2-Lines*3 = 2400");
    clearRows(4);
    EXPECT_EQ(text(lblCountLines(4)), "4-Lines*1 = 5000");
    EXPECT_EQ(text(lblCountLines(2)), "2-Lines*3 = 2400");
}

TEST_F(LandingTest, TumblixBonusIsPaidWhenThatFigureLands) {
    s().FigureQueue[0] = {std::string(kSuperPattern), 250000, true};
    s().FigureQueue[1] = {"0000111010000000", 40000, true};
    EXPECT_EQ(text(Ctl::lblScore), "---");
    land();
    EXPECT_EQ(s().Score, 250000 + 2010 + 32);
    EXPECT_EQ(text(Ctl::lblSumBonus), "  Tumblix Bonus : 25000");
    EXPECT_EQ(stats().end()[-2], "1. +25204 (0)");
    EXPECT_EQ(stats().back(), "...Tumblix figure");  // the one now falling
    EXPECT_EQ(s().TumblixCount, 1);
    land();
    EXPECT_EQ(text(Ctl::lblSumBonus), "  Tumblix Bonus : 29000");
    land();
    EXPECT_EQ(text(Ctl::lblSumBonus), "  Tumblix Bonus : 29000");
    EXPECT_EQ(stats().back(), "3. +204 (0)");
}

TEST_F(LandingTest, SeventhRowRaisesTheLevelMidRemoval) {
    clearRows(4);
    EXPECT_EQ(text(Ctl::lblRemain), "123");
    EXPECT_EQ(s().Level, 0);
    clearRows(4);
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(s().Speed, 15);
    EXPECT_EQ(text(Ctl::lblLevel), "Level # 1");
    EXPECT_EQ(text(Ctl::lblRemain), "123456");  // the eighth row counts toward level 2
    const auto& l = stats();
    ASSERT_GE(l.size(), 5u);
    std::vector<std::string> tail(l.end() - 5, l.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"************************", "Welcome to Level # 1",
                                              "************************", "...Score : 5204",
                                              "2. +5204 -> 4 lines (0)"}));
}

TEST_F(LandingTest, LevelCountingAtExactlySevenAndTheTopSpeed) {
    clearRows(1);
    EXPECT_EQ(text(Ctl::lblRemain), "123456");
    s().LevelLines = 6;
    clearRows(1);
    EXPECT_EQ(text(Ctl::lblRemain), "1234567");
    EXPECT_EQ(s().Level, 1);

    s().Speed = 135;
    s().Level = 9;
    s().LevelLines = 5;
    clearRows(2);
    EXPECT_EQ(s().Speed, 150);
    EXPECT_EQ(s().Level, 10);
    s().LevelLines = 6;
    clearRows(1);
    EXPECT_EQ(s().Speed, 150);
    EXPECT_EQ(s().Level, 10);
}

TEST_F(LandingTest, GameEndsOnlyWhenTheNewFigureOverlapsAtTheStart) {
    s().board.set(9, 0, 1);  // under the empty first column of the coming J
    put(kJ, 14, 0);
    land();
    EXPECT_EQ(host.asked, 0);

    s().board.set(10, 1, 1);
    put(kJ, 14, 0);
    land();
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.closed, 1);
    EXPECT_TRUE(hasLine(stats(), "*** Game Over ***"));
    EXPECT_TRUE(hasLine(stats(), "Steps = 2"));
    auto ticks = s().TickCount;
    for (int i = 0; i < 500; ++i) game.tmrDown_Timer();
    EXPECT_EQ(s().TickCount, ticks);
}

TEST_F(LandingTest, AnsweringYesStartsAFreshGame) {
    host.newGameAnswer = true;
    s().board.set(10, 1, 1);
    s().board.set(4, 30, 1);
    put(kJ, 14, 0);
    land();
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.closed, 0);
    EXPECT_EQ(s().board.picture(0), Board().picture(0));
    EXPECT_EQ(text(Ctl::lblScore), "---");
    EXPECT_EQ(s().Score, 0);
    EXPECT_TRUE(s().GameRunning);
    game.tmrDown_Timer();
    EXPECT_EQ(s().TickCount, 1);
}

}  // namespace
}  // namespace tumblix::test
