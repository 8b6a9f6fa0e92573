// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/keyboard.h"

namespace tumblix {

void Keyboard::Form_KeyDown(int keyCode) {
    bool running = game_.state().GameRunning;
    switch (keyCode) {
        case vk::Left:
            if (running) buttons_.cmdLeftRight_MouseDown(0);
            return;
        case vk::Right:
            if (running) buttons_.cmdLeftRight_MouseDown(2);
            return;
        case vk::Up:
            if (running) buttons_.cmdRotate_MouseDown(0);
            return;
        case vk::Down:
            if (running && game_.panel()[Ctl::cmdDown].enabled) buttons_.cmdDown_MouseDown();
            return;
        case vk::Escape:
            menu_.EscPressed = true;
            menu_.setValue(Ctl::chkPause, menu_.value(Ctl::chkPause) == 1 ? 0 : 1);
            return;
        case vk::Space:
            if (running) buttons_.cmdSpace_MouseDown();
            return;
        default:
            game_.host().showAbout();
    }
}

void Keyboard::Form_KeyUp(int keyCode) {
    switch (keyCode) {
        case vk::Left:
            return buttons_.cmdLeftRight_MouseUp();
        case vk::Right:
            return buttons_.cmdLeftRight_MouseUp();
        case vk::Up:
            return buttons_.cmdRotate_MouseUp();
        case vk::Space:
            return buttons_.cmdSpace_MouseUp();
        default:
            return;
    }
}

}  // namespace tumblix
