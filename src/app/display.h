// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tumblix {

// Checks that a window system can be reached before any window is made. Returns an empty
// string when it can, otherwise one line saying why not.
std::string checkDisplay();

}  // namespace tumblix
