// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/docking.h"

namespace tumblix {

namespace {
struct Offset {
    SideWindow window;
    std::int32_t top;
};
constexpr Offset kOffsets[] = {{SideWindow::frmTumbliFathers, 6100},
                               {SideWindow::frmStatistic, 1500},
                               {SideWindow::frmFuture, 0},
                               {SideWindow::frmMP3, 4800}};
}  // namespace

std::array<DockPlace, 4> dockColumn(Point mainWindow, std::int32_t mainWidth) {
    constexpr std::int32_t kGap = 20;
    std::int32_t left = mainWindow.left + mainWidth + kGap;
    std::array<DockPlace, 4> column{};
    for (std::size_t i = 0; i < column.size(); ++i)
        column[i] = {kOffsets[i].window, {left, mainWindow.top + kOffsets[i].top}};
    return column;
}

std::int32_t dockRoom(SideWindow window) {
    std::int32_t top = 0;
    for (const Offset& o : kOffsets)
        if (o.window == window) top = o.top;
    std::int32_t below = 0;
    for (const Offset& o : kOffsets)
        if (o.top > top && (below == 0 || o.top < below)) below = o.top;
    return below == 0 ? 0 : below - top;
}

}  // namespace tumblix
