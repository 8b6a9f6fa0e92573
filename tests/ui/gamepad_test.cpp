// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>

#include "gamepad/virtual_pad.h"
#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

// A gamepad plays through the keyboard's key handlers: Left moves and lights its button, and a
// pad pulled out with Left held lets the button go. While nothing moves a slow read looks at the
// pad, so Start resumes the pause it made; without a pad there is no such read.
TEST_F(WindowTest, AGamepadPlaysThroughTheKeyHandlers) {
    window->setGamepad(openVirtualOnly({400, 40}));
    auto* slowRead = window->findChild<QTimer*>("tmrGamepad");
    EXPECT_FALSE(slowRead->isActive());
    auto pad = std::make_unique<VirtualPad>();
    standI(9, 5);
    pad->button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    window->pollGamepad();
    EXPECT_EQ(std::tuple(state().FigureX, panel()[Ctl::cmdLeftRight0].backColor,
                         slowRead->isActive(), slowRead->interval()),
              std::tuple(8, colors::green, true, 100));
    pad.reset();
    window->pollGamepad();
    EXPECT_EQ(std::pair(panel()[Ctl::cmdLeftRight0].backColor, slowRead->isActive()),
              std::pair(state().DownButtonColor, false));

    VirtualPad again;
    window->pollGamepad();
    window->game().panel().setTimerEnabled(Timer::tmrDown, true);
    EXPECT_FALSE(slowRead->isActive());  // the gravity's wake reads the pad now
    QDialog dialog(window.get());
    dialog.open();  // nor is the pad read while a dialog is up
    again.button(SDL_CONTROLLER_BUTTON_START, true);
    window->pollGamepad();
    EXPECT_TRUE(state().GameRunning);
    dialog.close();
    window->pollGamepad();
    EXPECT_EQ(std::pair(state().GameRunning, slowRead->isActive()), std::pair(false, true));
    again.button(SDL_CONTROLLER_BUTTON_START, false);
    window->pollGamepad();
    again.button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state().GameRunning; }, 5000));
}

}  // namespace
}  // namespace tumblix::testing
