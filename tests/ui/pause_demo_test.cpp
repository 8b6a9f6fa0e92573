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
        EXPECT_EQ(window->minimised, esc ? 1 : 0);
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
