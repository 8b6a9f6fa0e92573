#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

using PauseTest = WindowTest;

// The pause button stops gravity and gates the keys without minimising; Esc also minimises
// the window, and a second press of either resumes.
TEST_F(PauseTest, PauseButtonAndEscStopGravityAndGateTheKeys) {
    QTimer& gravity = window->timer(Timer::tmrDown);
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc);
        auto toggle = [&] {
            esc ? key(Qt::Key_Escape) : QTest::mouseClick(button("chkPause"), Qt::LeftButton);
        };
        panel().setTimerEnabled(Timer::tmrDown, true);
        toggle();
        EXPECT_TRUE(button("chkPause")->isChecked());
        EXPECT_FALSE(gravity.isActive());
        EXPECT_FALSE(window->control("fraControl")->isVisible());
        EXPECT_TRUE(window->control("lblPause")->isVisible());
        EXPECT_FALSE(window->menu().EscPressed);
        EXPECT_TRUE(esc || !window->isMinimized());
        standI(9, 5);
        key(Qt::Key_Left);
        EXPECT_EQ(state().FigureX, 9);

        toggle();
        EXPECT_FALSE(button("chkPause")->isChecked());
        EXPECT_TRUE(gravity.isActive());
        EXPECT_TRUE(window->control("fraControl")->isVisible());
        key(Qt::Key_Left);
        EXPECT_EQ(state().FigureX, 8);
    }
}

// Every input first runs the gravity ticks due while no frame came; while paused none fall due
// and no timer of the game runs.
TEST_F(PauseTest, InputsCatchUpWithGravityAndThePauseStopsEveryTimer) {
    panel().setTimerEnabled(Timer::tmrDown, true);
    QTest::qSleep(30);
    QTest::keyRelease(board(), Qt::Key_Down);  // no event loop ran: only the key brings them
    EXPECT_GE(window->ticks, 14);
    key(Qt::Key_Escape);
    for (int t = 0; t < static_cast<int>(Timer::Count); ++t)
        EXPECT_FALSE(window->timer(static_cast<Timer>(t)).isActive()) << t;
    int ticks = window->ticks;
    QTest::qSleep(30);
    QTest::keyRelease(board(), Qt::Key_Down);
    EXPECT_EQ(window->ticks, ticks);
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

}  // namespace
}  // namespace tumblix::testing
