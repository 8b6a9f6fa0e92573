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

// Windows can vanish while the tree is walked; such errors only mean "not this one".
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// The UTF-8 _NET_WM_NAME when set, otherwise WM_NAME.
bool titleOf(Window w, std::string& title) {
    Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, netName, 0, 4096, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return true;
    }
    if (data) XFree(data);
    char* name = nullptr;
    if (XFetchName(dpy, w, &name) == 0 || name == nullptr) return false;
    title = name;
    XFree(name);
    return true;
}

bool shown(Window w) {
    XWindowAttributes a;
    return XGetWindowAttributes(dpy, w, &a) != 0 && a.map_state == IsViewable;
}

// Depth-first from w, topmost children first; 0 when no shown window has the title. The children
// of a window that is not shown are not shown either.
Window find(Window w, const std::string& wanted) {
    if (!shown(w)) return 0;
    std::string title;
    if (titleOf(w, title) && title == wanted) return w;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (XQueryTree(dpy, w, &root, &parent, &children, &n) == 0) return 0;
    Window found = 0;
    for (unsigned int i = n; i-- > 0 && found == 0;) found = find(children[i], wanted);
    if (children) XFree(children);
    return found;
}

int closeWindow(const std::string& title) {
    Window w = find(DefaultRootWindow(dpy), title);
    if (w == 0) {
        std::fprintf(stderr, "no shown window titled \"%s\"\n", title.c_str());
        return 1;
    }
    Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    Atom* list = nullptr;
    int n = 0;
    bool accepts = false;
    if (XGetWMProtocols(dpy, w, &list, &n) != 0) {
        for (int i = 0; i < n; ++i) accepts = accepts || list[i] == deleteWindow;
        XFree(list);
    }
    if (!accepts) {
        std::fprintf(stderr, "window 0x%lx does not take close requests\n", w);
        return 2;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = protocols;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(deleteWindow);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XSync(dpy, False);
    return 0;
}

int waitFor(const std::string& title, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (Window w = find(DefaultRootWindow(dpy), title)) {
            std::printf("%lu\n", w);
            return 0;
        }
        if (std::chrono::steady_clock::now() >= end) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::fprintf(stderr, "no shown window titled \"%s\" after %g s\n", title.c_str(), seconds);
    return 1;
}

// On the virtual screen's true-colour visual a pixel value is the colour's RRGGBB.
int paintBackdrop(const char* hex) {
    Window root = DefaultRootWindow(dpy);
    XSetWindowBackground(dpy, root, std::strtoul(hex, nullptr, 16));
    XClearWindow(dpy, root);
    XSync(dpy, False);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool wait = argc == 4 && std::string(argv[1]) == "--wait";
    bool backdrop = argc == 3 && std::string(argv[1]) == "--backdrop";
    if (!wait && !backdrop && argc != 2) {
        std::fprintf(stderr, "usage: %s TITLE | --wait TITLE SECONDS | --backdrop RRGGBB\n",
                     argv[0]);
        return 2;
    }
    dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    int rc = wait       ? waitFor(argv[2], std::atof(argv[3]))
             : backdrop ? paintBackdrop(argv[2])
                        : closeWindow(argv[1]);
    XCloseDisplay(dpy);
    return rc;
}
