// SPDX-License-Identifier: GPL-3.0-or-later
// Asks a window to close, as a window manager does when its close button is pressed:
//   tumblix_x11_tool WINDOW_ID   send WM_DELETE_WINDOW; 0 sent, 2 no display
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    Display* dpy = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!dpy) return std::fprintf(stderr, "usage: %s WINDOW_ID (with a display)\n", argv[0]), 2;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = std::strtoul(argv[1], nullptr, 0);
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, ev.xclient.window, False, NoEventMask, &ev);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return 0;
}
