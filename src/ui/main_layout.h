// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace tumblix {

enum class ControlKind { Frame, Picture, Label, Button, CheckButton, Bar };

// One control of the main window at its design place, in twips within its container.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent;  // nullptr for the window itself
    const char* caption;
    const char* tag;  // the help text the help tour shows; empty for none
    int left, top, width, height;
};

// The main window's controls in the window's control order.
std::span<const ControlSpec> mainWindowControls();

// The window's fixed outer size and client size, in twips.
inline constexpr int kMainWidthTwips = 6735;
inline constexpr int kMainHeightTwips = 8385;
inline constexpr int kMainClientWidthTwips = 6615;
inline constexpr int kMainClientHeightTwips = 7980;

}  // namespace tumblix
