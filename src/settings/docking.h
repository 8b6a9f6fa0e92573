// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "settings/settings.h"

namespace tumblix {

enum class SideWindow { frmTumbliFathers, frmStatistic, frmFuture, frmMP3 };

struct DockPlace {
    SideWindow window;
    Point place;
    bool operator==(const DockPlace&) const = default;
};

// The "Auto" column, in the order the windows are docked: each side window's left edge 20 twips
// right of the main window's right edge, its top at a fixed offset below the main window's top.
// All values in twips.
std::array<DockPlace, 4> dockColumn(Point mainWindow, std::int32_t mainWidth);
// The room a window has in the column, from its top down to the top of the window below it,
// in twips; 0 for the lowest window, which has none below it.
std::int32_t dockRoom(SideWindow window);

}  // namespace tumblix
