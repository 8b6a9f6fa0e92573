// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace tumblix {

std::string checkDisplay(std::shared_ptr<void>& held) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string p = platform ? platform : "";
    if (!p.empty() && p.rfind("xcb", 0) != 0) return "";  // offscreen, wayland, ...: Qt decides
    const char* display = std::getenv("DISPLAY");
    if (p.empty() && (!display || !*display)) {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (wayland && *wayland) return "";
        return "tumblix: no display: DISPLAY is not set; start the game in a graphical session";
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    held = std::shared_ptr<void>(
        c, [](void* p) { xcb_disconnect(static_cast<xcb_connection_t*>(p)); });
    if (xcb_connection_has_error(c) != 0)
        return std::string("tumblix: cannot open display \"") + (display ? display : "") +
               "\"; start the game in a graphical session";
    return "";
}

}  // namespace tumblix
