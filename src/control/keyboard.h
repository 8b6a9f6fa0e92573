// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control/control_buttons.h"
#include "control/menu.h"

namespace tumblix {

// Windows virtual-key codes of the keys the game knows.
namespace vk {
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
}  // namespace vk

// The main window sees every key first; presses and releases act as the control buttons do.
class Keyboard {
  public:
    Keyboard(Game& game, ControlButtons& buttons, Menu& menu)
        : game_(game), buttons_(buttons), menu_(menu) {}

    void Form_KeyDown(int keyCode);
    void Form_KeyUp(int keyCode);

  private:
    Game& game_;
    ControlButtons& buttons_;
    Menu& menu_;
};

}  // namespace tumblix
