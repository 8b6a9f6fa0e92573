// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tumblix {

// The Windows virtual-key code the game knows a Qt key by; other keys get a code of their own.
int virtualKeyCode(int qtKey);

}  // namespace tumblix
