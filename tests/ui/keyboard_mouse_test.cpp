// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>

#include "gamepad/virtual_pad.h"
#include "ui/about_window.h"
#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

// A held arrow moves once a repeat, Up turns; while paused no key moves the figure.
TEST_F(WindowTest, ArrowsSpaceAndDownActOnlyWhileTheGameRunsAndAHeldDownDropsOnce) {
    standI(9, 5);
    for (int i = 0; i < 3; ++i) QTest::simulateEvent(board(), true, Qt::Key_Left, {}, {}, i > 0);
    QTest::keyClick(window->control("lblScore"), Qt::Key_Right);  // whatever has the focus
    // Any other key shows the about window, a letter, Shift and F5 alike; keys there stay there.
    int abouts =
        answerModal<AboutWindow>([&] { key(Qt::Key_A), key(Qt::Key_Shift), key(Qt::Key_F5); },
                                 [](AboutWindow& w) {
                                     QTest::keyClick(&w, Qt::Key_Left);
                                     w.close();
                                 });
    EXPECT_EQ(std::pair(abouts, state().FigureX), std::pair(3, 7));  // 9 - 3 + 1

    key(Qt::Key_Up);      // the bar lies flat
    key(Qt::Key_Escape);  // pauses
    FigureBox before = state().Figure;
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Down}) key(k);
    // The moves before the pause are all that count.
    EXPECT_EQ(std::tuple(state().FigureX, state().Figure, state().Dropping, state().FigureClicks),
              std::tuple(7, before, false, 5L));

    key(Qt::Key_Escape);  // resumes
    key(Qt::Key_Space);
    EXPECT_EQ(std::pair(state().Figure != before, window->sounds.back()),
              std::pair(true, Sound::mInverse1));

    // A held Down drops once, and the next figure only after the landing.
    standI(9, 20);
    window->sounds.clear();
    for (int i = 0; i < 6; ++i) QTest::simulateEvent(board(), true, Qt::Key_Down, {}, {}, i > 0);
    EXPECT_EQ(std::tuple(state().Dropping, button("cmdDown")->isEnabled(), state().FigureClicks,
                         window->sounds.size()),
              std::tuple(true, false, 1L, 1u));

    while (state().Dropping) window->game().tmrDown_Timer();
    EXPECT_EQ(std::pair(button("cmdDown")->isEnabled(), state().FigureY), std::pair(true, 0));
    QTest::simulateEvent(board(), true, Qt::Key_Down, {}, {}, true);
    EXPECT_TRUE(state().Dropping);
}

// Any mouse button works a control button: its press acts once, whatever the pointer and the
// other buttons do while it is held, and its release gives the button its colour back.
TEST_F(WindowTest, AnyMouseButtonWorksTheControlButtonsOnceAPressAndTheBoardMovesTurnsDrops) {
    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Qt::MouseButton other = mouse == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
        for (auto [name, ctl, sound, x] :
             {std::tuple{"cmdLeftRight(0)", Ctl::cmdLeftRight0, Sound::mLeft1, 8},
              {"cmdLeftRight(2)", Ctl::cmdLeftRight2, Sound::mRight1, 10},
              {"cmdRotate(0)", Ctl::cmdRotate0, Sound::mRotate1, 9},
              {"cmdSpace", Ctl::cmdSpace, Sound::mInverse1, 9}}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(mouse));
            standI(9, 5);
            window->sounds.clear();
            QPushButton* b = button(name);
            QPoint in = b->rect().center(), out(-30, -30);
            QTest::mousePress(b, mouse);
            for (QPoint at : {out, in, out, in}) QTest::mouseMove(b, at);
            QTest::mousePress(b, other);
            QTest::mouseRelease(b, other);
            EXPECT_EQ(std::tuple(panel()[ctl].backColor != state().DownButtonColor, window->sounds,
                                 state().FigureX),
                      std::tuple(true, std::vector{sound}, x));  // still held; it acted once
            QTest::mouseRelease(b, mouse);
            EXPECT_EQ(panel()[ctl].backColor, state().DownButtonColor);
        }
        standI(9, 5);
        QTest::mouseClick(button("cmdDown"), mouse);
        EXPECT_EQ(std::pair(state().Dropping, panel()[Ctl::cmdDown].backColor),
                  std::pair(true, colors::black));
        state().Dropping = false;
        panel().setEnabled(Ctl::cmdDown, true);
    }
    // The pointer over the board moves the figure; its left button turns, its right one drops.
    standI(9, 5);
    QWidget* pic = board();
    // The middle of playfield column 2 (box column 5), in the board's 3760 units.
    const QPoint column2(static_cast<int>((2 * 250 + 125) * pic->width() / 3760.0), 50);
    QTest::mouseMove(pic, column2);
    QTest::mouseClick(pic, Qt::LeftButton, {}, column2);
    EXPECT_EQ(std::tuple(state().FigureX, state().FigureClicks, window->sounds.back()),
              std::tuple(5, 2L, Sound::mRotate1));
    QTest::mouseClick(pic, Qt::RightButton, {}, column2);
    EXPECT_TRUE(state().Dropping);
}

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
