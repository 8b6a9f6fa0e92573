#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

using TickTest = GameTest;

TEST_F(TickTest, FigureFallsEvery150MinusSpeedTicksOrEveryTickWhileDropping) {
    put(kBar, 9, 0);
    for (int i = 0; i < 149; ++i) game.tmrDown_Timer();
    EXPECT_EQ(s().FigureY, 0);
    EXPECT_EQ(s().TickCount, 149);
    EXPECT_EQ(host.sweeps, 149);  // the music's balance sweeps at every tick
    game.tmrDown_Timer();
    EXPECT_EQ(s().FigureY, 1);
    EXPECT_EQ(s().TickCount, 0);

    s().Speed = 45;
    for (int i = 0; i < 104; ++i) game.tmrDown_Timer();
    EXPECT_EQ(s().FigureY, 1);
    game.tmrDown_Timer();
    EXPECT_EQ(s().FigureY, 2);

    s().Dropping = true;
    game.tmrDown_Timer();
    game.tmrDown_Timer();
    EXPECT_EQ(s().FigureY, 4);
}

// The window sleeps until the tick the game names: the ticks before it change nothing shown
// (board, preview, panel controls), and that tick does; a fall step is named 150 - Speed ticks
// ahead, and every tick while the figure drops.
TEST_F(TickTest, TicksUntilShownNamesTheNextTickThatChangesWhatIsShown) {
    struct : PanelObserver {
        int changes = 0;
        void controlChanged(Ctl) override { ++changes; }
    } panel;
    game.panel().setObserver(&panel);
    auto shown = [&] { return panel.changes + board.calls.size() + next.calls.size(); };
    put(kBar, 9, 0);
    for (int round = 0, ticks = 0; round < 600; ++round) {
        s().board.clear();  // the game goes on
        s().Speed = round < 200 ? 0 : round < 400 ? 45 : 150;
        if (round % 50 == 49) s().Dropping = true;
        int n = game.ticksUntilShown();
        if (s().TimeCounter > 200 && !s().Dropping && s().TickCount == 0) {
            ASSERT_EQ(n, std::max(1, 150 - s().Speed)) << round;
        }
        bool falls = n > 1 || s().Dropping;
        auto [before, y, steps] = std::tuple(shown(), s().FigureY, s().Steps);
        for (int i = 1; i < n; ++i) game.tmrDown_Timer();
        ASSERT_EQ(std::pair(shown(), s().FigureY), std::pair(before, y)) << round;
        game.tmrDown_Timer();
        ASSERT_NE(shown(), before) << round;
        if (falls) {
            ASSERT_TRUE(s().FigureY == y + 1 || s().Steps == steps + 1) << round;
        }
        ASSERT_EQ(host.sweeps, ticks += n);  // the music's balance sweeps at every tick
    }
    EXPECT_GT(s().Steps, 5);
    game.panel().setObserver(nullptr);
}

TEST_F(TickTest, TimeBonusCountsDownOncePerTickUntilZeroAndPausesWhileDropping) {
    game.tmrDown_Timer();
    EXPECT_EQ(text(Ctl::lblTimeBonus), "200");
    s().Dropping = true;
    game.tmrDown_Timer();
    EXPECT_EQ(s().TimeCounter, 1);
    s().Dropping = false;
    for (int i = 0; i < 300; ++i) game.tmrDown_Timer();
    EXPECT_EQ(std::make_pair(s().TimeCounter, text(Ctl::lblTimeBonus)),
              std::pair(201, std::string("0")));
}

TEST_F(TickTest, LandingPaysTheTimeBonusLeftAndAddsItToTheTotal) {
    land();  // before the first tick
    // 201 points for time, 3.2 for the eight cells of the two patterns loaded at the start.
    EXPECT_EQ(s().Score, 2010 + 32);
    EXPECT_EQ(text(Ctl::lblScore), "204");
    EXPECT_EQ(stats().back(), "1. +204 (0)");
    EXPECT_EQ(text(Ctl::lblTotalScore), "201");
    for (int i = 0; i < 50; ++i) game.tmrDown_Timer();
    land();
    EXPECT_EQ(s().Score, 2010 + 32 + 1510 + 32);
    EXPECT_EQ(text(Ctl::lblTotalScore), "352");
    EXPECT_EQ(text(Ctl::lblTimeBonus), "150");
    for (int i = 0; i < 201; ++i) game.tmrDown_Timer();
    land();
    EXPECT_EQ(s().Score, 2010 + 32 + 1510 + 32 + 32);
    EXPECT_EQ(text(Ctl::lblTotalScore), "352");
}

TEST_F(TickTest, RotationIsRefusedWithoutShiftingWhenACellWouldLeaveOrHitTheBoard) {
    put(kJ, 9, 5);
    game.RotateFigure();
    EXPECT_EQ(s().Figure, rotatedClockwise(boxFromRows(kJ)));

    s().board.set(11, 11, 3);
    const std::array<std::string_view, 4> flat = {"....", "####", "....", "...."};
    struct Case {
        std::array<std::string_view, 4> rows;
        int x, y;
    } refused[] = {{kBar, 3, 5},    // lying down it would need column 3
                   {flat, 9, 28},   // standing up it would reach row 31
                   {kBar, 9, 10}};  // onto the filled cell
    for (const Case& c : refused) {
        put(c.rows, c.x, c.y);
        game.RotateFigure();
        EXPECT_EQ(s().Figure, boxFromRows(c.rows)) << c.x;
        EXPECT_EQ(std::make_pair(s().FigureX, s().FigureY), std::make_pair(c.x, c.y));
    }
}

TEST_F(TickTest, SidewaysMoveTestsOnlyTheTargetColumn) {
    put(kBar, 9, 10);
    s().board.set(12, 11, 1);
    s().board.set(14, 14, 1);  // below the figure's rows
    // Jumping over the filled cell is allowed.
    for (auto [x, ok] :
         {std::pair{3, true}, {2, false}, {17, true}, {18, false}, {11, false}, {13, true}})
        EXPECT_EQ(game.EnableMoveLRForMouse(x), ok) << x;
}

TEST_F(TickTest, InversionNeedsAFreeBoxInsideTheColumnsAndAboveTheFloor) {
    const std::array<std::string_view, 4> none = {"....", "....", "....", "...."},
                                          full = {"####", "####", "####", "####"};
    struct Case {
        std::array<std::string_view, 4> rows;
        int x, y;
        bool filledUnder, ok;
    } cases[] = {{kJ, 4, 5, false, true},     {kJ, 15, 5, false, true},  {kJ, 3, 5, false, false},
                 {kJ, 16, 5, false, false},   {kJ, 9, 5, true, false},   {kJ, 9, 27, false, true},
                 {none, 9, 28, false, false}, {full, 9, 5, false, false}};
    for (const Case& c : cases) {
        s().board.clear();
        if (c.filledUnder) s().board.set(9, 8, 1);  // under an empty cell of the box
        put(c.rows, c.x, c.y);
        EXPECT_EQ(game.CanInvert(), c.ok) << c.x << "," << c.y;
    }
}

TEST_F(TickTest, InvertingTwiceRestoresAndDoesNotCountAsAClick) {
    put(kJ, 9, 5);
    game.InvertFigure();
    EXPECT_EQ(s().Figure, inverted(boxFromRows(kJ)));
    game.InvertFigure();
    EXPECT_EQ(s().Figure, boxFromRows(kJ));
    EXPECT_EQ(host.sounds, std::vector<Sound>(2, Sound::mInverse1));
    EXPECT_EQ(s().FigureClicks, 0);
}

}  // namespace
}  // namespace tumblix::test
