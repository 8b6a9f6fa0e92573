// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_codes.h"

#include <Qt>

#include "control/keyboard.h"

namespace tumblix {

int virtualKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Escape:
            return vk::Escape;
        case Qt::Key_Space:
            return vk::Space;
        case Qt::Key_Left:
            return vk::Left;
        case Qt::Key_Up:
            return vk::Up;
        case Qt::Key_Right:
            return vk::Right;
        case Qt::Key_Down:
            return vk::Down;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        default:
            // Letters and digits share their codes with Windows; the rest only needs to differ
            // from the game's keys.
            if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
                (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
                return qtKey;
            return 0x100 + (qtKey & 0xFF);
    }
}

}  // namespace tumblix
