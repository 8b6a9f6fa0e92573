#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

using PauseTest = WindowTest;

// The pause button stops gravity without minimising (the keyboard tests cover the keys it
// gates); Esc also minimises the window, and a second press of either resumes. Every input
// first runs the gravity ticks due; while paused none fall due and no timer of the game runs.
TEST_F(PauseTest, PauseButtonAndEscStopGravityAndEveryTimer) {
    QTimer& gravity = window->timer(Timer::tmrDown);
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc);
        auto toggle = [&] {
            esc ? key(Qt::Key_Escape) : QTest::mouseClick(button("chkPause"), Qt::LeftButton);
        };
        panel().setTimerEnabled(Timer::tmrDown, true);
        int ticks = window->ticks;
        QTest::qSleep(30);  // no event loop runs: only the input brings the ticks
        toggle();
        EXPECT_GE(window->ticks, ticks + 14);
        EXPECT_TRUE(button("chkPause")->isChecked());
        for (int t = 0; t < static_cast<int>(Timer::Count); ++t)
            EXPECT_FALSE(window->timer(static_cast<Timer>(t)).isActive()) << t;
        ticks = window->ticks;
        QTest::qSleep(30);
        EXPECT_FALSE(window->control("fraControl")->isVisible());
        EXPECT_TRUE(window->control("lblPause")->isVisible());
        EXPECT_FALSE(window->menu().EscPressed);
        EXPECT_TRUE(esc || !window->isMinimized());
        QTest::keyRelease(board(), Qt::Key_Down);
        EXPECT_EQ(window->ticks, ticks);

        toggle();
        EXPECT_FALSE(button("chkPause")->isChecked());
        EXPECT_TRUE(gravity.isActive());
        EXPECT_TRUE(window->control("fraControl")->isVisible());
    }
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
