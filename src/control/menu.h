// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "control/control_buttons.h"
#include "engine/game.h"

namespace tumblix {

// The menu's check buttons. Setting a value runs the button's click handler exactly like a
// mouse click; pause and demo live here, the other buttons' commands are handed in.
class Menu {
  public:
    // The upper row, left to right: the buttons that run commands and light up.
    static constexpr Ctl kUpperRow[] = {Ctl::chkPause, Ctl::chkHelp, Ctl::chkDemo, Ctl::chkSet,
                                        Ctl::chkExit};

    Menu(Game& game, ControlButtons& buttons) : game_(game), buttons_(buttons) {}

    // Sets a check button's value; a change runs its click handler.
    void setValue(Ctl button, int value);
    int value(Ctl button) const { return game_.panel()[button].value; }
    // Runs the click handler of a button whose value the window already changed.
    void click(Ctl button);
    // Commands of buttons other than pause and demo.
    void setHandler(Ctl button, std::function<void(int value)> handler);

    bool EscPressed = false;

    // The pointer over an upper-row button lights it; over the frame around the menu it
    // gives only "Pause" its normal colours back.
    void upperButton_MouseMove(Ctl button);
    void fraBottomRight_MouseMove();

    void chkPause_Click();
    void chkDemo_Click();
    void tmrDemo_Timer();
    void tmrMigMenuControls_Timer();
    // Lights the menu buttons one after another, unless a run is under way.
    void startMenuLight();

  private:
    Game& game_;
    ControlButtons& buttons_;
    std::function<void(int)> handlers_[static_cast<std::size_t>(Ctl::Count)];
    int MenuLightStep = 0;
};

}  // namespace tumblix
