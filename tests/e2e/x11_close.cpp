// Asks a window to close, as a window manager does when its close button is pressed:
//   tumblix_x11_tool WINDOW_ID   send WM_DELETE_WINDOW; 0 sent, 2 no display or a window that
//                                takes no close requests
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    Display* dpy = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!dpy) return std::fprintf(stderr, "usage: %s WINDOW_ID (with a display)\n", argv[0]), 2;
    Window w = std::strtoul(argv[1], nullptr, 0);
    Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False), *list = nullptr;
    int n = 0;
    bool accepts = false;
    if (XGetWMProtocols(dpy, w, &list, &n) != 0) {
        for (int i = 0; i < n; ++i) accepts = accepts || list[i] == deleteWindow;
        XFree(list);
    }
    if (accepts) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(deleteWindow);
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy, w, False, NoEventMask, &ev);
        XSync(dpy, False);
    }
    XCloseDisplay(dpy);
    return accepts ? 0 : (std::fprintf(stderr, "0x%lx takes no close requests\n", w), 2);
}
