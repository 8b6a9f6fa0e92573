// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace tumblix {

// Checks that a window system can be reached before any window is made. Returns an empty
// string when it can, otherwise one line saying why not. The X connection made to check is
// kept in held until the caller lets it go (after its own connection is made): an X server
// whose last client leaves resets, and a client arriving during that reset is refused.
std::string checkDisplay(std::shared_ptr<void>& held);

}  // namespace tumblix
