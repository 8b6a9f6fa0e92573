#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

class PauseTest : public WindowTest {
  protected:
    QTimer& gravity() { return window->timer(Timer::tmrDown); }
};

TEST_F(PauseTest, PauseButtonStopsGravityAndGatesKeysWithoutMinimising) {
    panel().setTimerEnabled(Timer::tmrDown, true);
    QTest::mouseClick(button("chkPause"), Qt::LeftButton);
    EXPECT_EQ(panel()[Ctl::chkPause].value, 1);
    EXPECT_FALSE(gravity().isActive());
    EXPECT_FALSE(window->control("fraControl")->isVisible());
    EXPECT_TRUE(window->control("lblPause")->isVisible());
    EXPECT_FALSE(window->isMinimized());
    standI(9, 5);
    key(Qt::Key_Left);
    EXPECT_EQ(state().FigureX, 9);

    QTest::mouseClick(button("chkPause"), Qt::LeftButton);
    EXPECT_TRUE(gravity().isActive());
    EXPECT_TRUE(state().GameRunning);
    EXPECT_TRUE(window->control("fraControl")->isVisible());
    key(Qt::Key_Left);
    EXPECT_EQ(state().FigureX, 8);
}

TEST_F(PauseTest, EscPausesAndMinimisesThenResumes) {
    panel().setTimerEnabled(Timer::tmrDown, true);
    key(Qt::Key_Escape);
    EXPECT_FALSE(gravity().isActive());
    EXPECT_TRUE(button("chkPause")->isChecked());
    EXPECT_FALSE(window->menu().EscPressed);
    key(Qt::Key_Escape);
    EXPECT_TRUE(gravity().isActive());
    EXPECT_FALSE(button("chkPause")->isChecked());
}

TEST_F(PauseTest, MinimisingPausesAndRestoringLeavesThePause) {
    window->showMinimized();
    QApplication::processEvents();
    if (!window->isMinimized()) GTEST_SKIP() << "this platform does not minimise windows";
    EXPECT_EQ(panel()[Ctl::chkPause].value, 1);
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(panel()[Ctl::chkPause].value, 1);
}

TEST_F(PauseTest, DemoMovesWhilePausedButCannotInvert) {
    QTest::mouseClick(button("chkDemo"), Qt::LeftButton);
    EXPECT_TRUE(window->timer(Timer::tmrDemo).isActive());
    QTest::mouseClick(button("chkPause"), Qt::LeftButton);
    standI(9, 5);
    FigureBox start = state().Figure;
    int moved = 0, inverted = 0;
    for (int i = 0; i < 300; ++i) {
        int x = state().FigureX;
        window->menu().tmrDemo_Timer();
        moved += state().FigureX != x;
        int cells = 0;
        for (auto& col : state().Figure)
            for (bool c : col) cells += c;
        inverted += cells != 4;
        if (state().Dropping) break;  // a drop waits for the resume
    }
    EXPECT_GT(moved, 0);
    EXPECT_EQ(inverted, 0);
    (void)start;
    EXPECT_FALSE(state().GameRunning);
}

TEST_F(PauseTest, DemoActionsComeWithTheirWeightsAndIntervals) {
    // Count what the demo presses over many ticks; a figure high in an empty well moves freely.
    int left = 0, right = 0, rotate = 0, drop = 0, invert = 0;
    int minInterval = 1000, maxInterval = 0;
    for (int i = 0; i < 23000; ++i) {
        standI(9, 5);
        state().Dropping = false;
        panel().setEnabled(Ctl::cmdDown, true);
        std::size_t sounds = window->sounds.size();
        FigureBox before = state().Figure;
        window->menu().tmrDemo_Timer();
        int ms = panel().timer(Timer::tmrDemo).interval;
        minInterval = std::min(minInterval, ms);
        maxInterval = std::max(maxInterval, ms);
        if (state().FigureX == 8)
            ++left;
        else if (state().FigureX == 10)
            ++right;
        else if (state().Dropping)
            ++drop;
        else if (window->sounds.size() > sounds && window->sounds.back() == Sound::mInverse1)
            ++invert;
        else if (state().Figure != before)
            ++rotate;
    }
    EXPECT_GE(minInterval, 5);
    EXPECT_LE(maxInterval, 755);
    EXPECT_LT(minInterval, 40);
    EXPECT_GT(maxInterval, 720);
    // Weights 7 : 8 : 4 : 2 : 2 out of 23 (1000 ticks a unit); generous bounds.
    EXPECT_NEAR(left, 7000, 500);
    EXPECT_NEAR(right, 8000, 500);
    EXPECT_NEAR(rotate, 4000, 400);
    EXPECT_NEAR(drop, 2000, 300);
    EXPECT_NEAR(invert, 2000, 300);
}

}  // namespace
}  // namespace tumblix::testing
