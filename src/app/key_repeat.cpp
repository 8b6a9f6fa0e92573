// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/key_repeat.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <algorithm>

// Last: Xlib's macros clash with Qt's names.
#include <X11/XKBlib.h>

namespace tumblix {

KeyRepeat desktopKeyRepeat() {
    KeyRepeat repeat;
    if (int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate(); rate > 0)
        repeat.intervalMs = std::max(1, 1000 / rate);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    unsigned delay = 0, interval = 0;
    if (x11 && x11->display() &&
        XkbGetAutoRepeatRate(x11->display(), XkbUseCoreKbd, &delay, &interval) && delay > 0 &&
        interval > 0)
        repeat = {static_cast<int>(delay), static_cast<int>(interval)};
    return repeat;
}

}  // namespace tumblix
