// Finds a shown top-level window by its exact title and asks it to close, as a window manager
// does when its close button is pressed, or waits for such a window to appear.
//   tumblix_x11_tool TITLE               send WM_DELETE_WINDOW; 0 sent, 1 no such window
//   tumblix_x11_tool --wait TITLE SECS   print the window id once it is shown; 1 on time-out
//   tumblix_x11_tool --backdrop RRGGBB   paint the desktop (the root window) in one colour
// 2 means a usage error, no display, or a window that does not take close requests.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

Display* dpy = nullptr;

// The UTF-8 _NET_WM_NAME when set, otherwise WM_NAME; empty when the window has neither.
std::string titleOf(Window w) {
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False), type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, XInternAtom(dpy, "_NET_WM_NAME", False), 0, 4096, False, utf8,
                           &type, &format, &count, &after, &data) == Success &&
        data && type == utf8 && format == 8)
        title.assign(reinterpret_cast<char*>(data), count);
    else if (char* name = nullptr; XFetchName(dpy, w, &name) != 0 && name)
        title = name, XFree(name);
    if (data) XFree(data);
    return title;
}

// Depth-first from w, topmost children first; 0 when no shown window has the title. The children
// of a window that is not shown are not shown either.
Window find(Window w, const std::string& wanted) {
    XWindowAttributes a;
    if (XGetWindowAttributes(dpy, w, &a) == 0 || a.map_state != IsViewable) return 0;
    if (titleOf(w) == wanted) return w;
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned int n = 0;
    if (XQueryTree(dpy, w, &root, &parent, &children, &n) == 0) return 0;
    for (unsigned int i = n; i-- > 0 && found == 0;) found = find(children[i], wanted);
    if (children) XFree(children);
    return found;
}

int closeWindow(Window w) {
    Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False), *list = nullptr;
    int n = 0;
    bool accepts = false;
    if (XGetWMProtocols(dpy, w, &list, &n) != 0) {
        for (int i = 0; i < n; ++i) accepts = accepts || list[i] == deleteWindow;
        XFree(list);
    }
    if (!accepts) return std::fprintf(stderr, "0x%lx takes no close requests\n", w), 2;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(deleteWindow);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool wait = argc == 4 && std::string(argv[1]) == "--wait";
    bool backdrop = argc == 3 && std::string(argv[1]) == "--backdrop";
    if (!wait && !backdrop && argc != 2)
        return std::fprintf(stderr, "usage: %s TITLE | --wait TITLE SECONDS | --backdrop RRGGBB\n",
                            argv[0]),
               2;
    if (!(dpy = XOpenDisplay(nullptr))) return std::fprintf(stderr, "cannot open display\n"), 2;
    // Windows can vanish while the tree is walked; such errors only mean "not this one".
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    Window root = DefaultRootWindow(dpy);
    int rc = 0;
    if (backdrop) {  // on the virtual screen's true-colour visual a pixel value is its RRGGBB
        XSetWindowBackground(dpy, root, std::strtoul(argv[2], nullptr, 16));
        XClearWindow(dpy, root);
    } else {
        const std::string title = argv[wait ? 2 : 1];
        auto end = std::chrono::steady_clock::now() +
                   std::chrono::duration<double>(wait ? std::atof(argv[3]) : 0);
        Window w = 0;
        while (!(w = find(root, title)) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (w == 0)
            rc = 1, std::fprintf(stderr, "no shown window titled \"%s\"\n", title.c_str());
        else if (wait)
            std::printf("%lu\n", w);
        else
            rc = closeWindow(w);
    }
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return rc;
}
