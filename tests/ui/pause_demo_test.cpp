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
    EXPECT_FALSE(state().GameRunning);
}

}  // namespace
}  // namespace tumblix::testing
