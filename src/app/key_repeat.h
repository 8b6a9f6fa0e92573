// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamepad/pad_keys.h"

namespace tumblix {

// The desktop's key repeat: the X server's delay and interval where the game shows on X11, else
// the toolkit's rate after half a second. Needs the application object.
KeyRepeat desktopKeyRepeat();

}  // namespace tumblix
