// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/menu.h"

#include <utility>

#include "engine/random.h"

namespace tumblix {

void Menu::setValue(Ctl button, int value) {
    if (game_.panel()[button].value == value) return;
    game_.panel().setValue(button, value);
    click(button);
}

void Menu::setHandler(Ctl button, std::function<void(int)> handler) {
    handlers_[static_cast<std::size_t>(button)] = std::move(handler);
}

void Menu::click(Ctl button) {
    if (button == Ctl::chkPause) return chkPause_Click();
    if (button == Ctl::chkDemo) return chkDemo_Click();
    auto& handler = handlers_[static_cast<std::size_t>(button)];
    if (handler) handler(value(button));
}

namespace {
// Lit under the pointer: the normal colours swapped.
constexpr Color kLitBack = Game::kMenuText, kLitText = Game::kMenuBack;
}  // namespace

void Menu::upperButton_MouseMove(Ctl button) {
    Panel& p = game_.panel();
    if (p[button].backColor == kLitBack) return;
    game_.ResetMenuColors();
    p.setBackColor(button, kLitBack);
    p.setForeColor(button, kLitText);
}

void Menu::fraBottomRight_MouseMove() {
    game_.panel().setBackColor(Ctl::chkPause, Game::kMenuBack);
    game_.panel().setForeColor(Ctl::chkPause, Game::kMenuText);
}

void Menu::chkPause_Click() {
    Panel& p = game_.panel();
    GameState& s = game_.state();
    bool pause = value(Ctl::chkPause) == 1;
    p.setVisible(Ctl::fraControl, !pause);
    p.setTimerEnabled(Timer::tmrDown, !pause && !game_.ended());
    s.GameRunning = !pause;
    if (pause) {
        if (EscPressed) game_.host().minimizeMainWindow();
    } else {
        game_.host().restoreMainWindow();
    }
    EscPressed = false;
    game_.DrawFigure();
    game_.DrawNextFigure();
    game_.host().focusBoard();
}

void Menu::chkDemo_Click() {
    game_.panel().setTimerEnabled(Timer::tmrDemo, value(Ctl::chkDemo) == 1);
    game_.host().focusBoard();
}

void Menu::tmrDemo_Timer() {
    Panel& p = game_.panel();
    Color normal = game_.state().DownButtonColor;
    for (Ctl c : {Ctl::cmdLeftRight0, Ctl::cmdLeftRight2, Ctl::cmdRotate0, Ctl::cmdSpace})
        p.setBackColor(c, normal);
    Random& r = game_.random();
    p.setTimerInterval(Timer::tmrDemo, roundInt(r.next() * 750 + 5));
    int k = roundInt(r.next() * 23);
    if (k >= 1 && k <= 7)
        buttons_.cmdLeftRight_MouseDown(0);
    else if (k >= 8 && k <= 15)
        buttons_.cmdLeftRight_MouseDown(2);
    else if (k >= 16 && k <= 19)
        buttons_.cmdRotate_MouseDown(0);
    else if (k == 20 || k == 21)
        buttons_.cmdDown_MouseDown();
    else
        buttons_.cmdSpace_MouseDown();
}

void Menu::startMenuLight() {
    game_.panel().setTimerEnabled(Timer::tmrMigMenuControls, true);
}

void Menu::tmrMigMenuControls_Timer() {
    Panel& p = game_.panel();
    Color back = game_.state().MenuBackColor;
    if (MenuLightStep > 0) p.setBackColor(kUpperRow[MenuLightStep - 1], back);
    if (MenuLightStep < 5) {
        p.setBackColor(kUpperRow[MenuLightStep], colors::green);
        ++MenuLightStep;
        return;
    }
    MenuLightStep = 0;
    p.setTimerEnabled(Timer::tmrMigMenuControls, false);
}

}  // namespace tumblix
