// The catalogue over real X windows.
//   x11-catalogue-probe windows N   opens N titled top-level windows and keeps them until killed
//   x11-catalogue-probe measure     times the program's walk (the catalogue through the X11
//                                   window services) against a bare Xlib walk over the same
//                                   windows; prints "median min max" in microseconds for the bare
//                                   walk, then for the program's, then the number listed.
// The adapter's header first: it holds Qt's headers, which must come before Xlib's macros.
#include "platform/x11/X11Windows.h"

// The bare walk's own.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Timing.h"
#include "engine/Catalogue.h"
#include "platform/x11/X11Display.h"

namespace {

int openWindows(int count) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (int i = 1; i <= count; ++i) {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), i % 40 * 8,
                                                  i % 40 * 8, 160, 90, 0, 0, 0xFFFFFF);
        const std::string title = "Bench window " + std::to_string(i);
        XStoreName(display, window, title.c_str());
        XChangeProperty(display, window, netName, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
        XMapWindow(display, window);
    }
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

int measure() {
    qpa::x11::X11Windows windows;
    if (!windows.wheelPresent()) return 1;  // no display
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window root = DefaultRootWindow(display);
    const Atom stacking = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    volatile std::size_t sink = 0;
    printTimed(31, [&] {
        std::size_t characters = 0;
        for (unsigned long window : qpa::x11::longProperty(display, root, stacking, XA_WINDOW)) {
            const qpa::x11::Property title = qpa::x11::readProperty(display, window, netName, 4096);
            characters += title.type == utf8 ? title.count : 0;
        }
        sink = sink + characters;
    });
    qpa::Catalogue catalogue;
    printTimed(31, [&] { catalogue.collect(windows, 0); });
    std::printf("%d\n", catalogue.count());
    XCloseDisplay(display);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "windows" && argc > 2) return openWindows(std::atoi(argv[2]));
    if (mode == "measure") return measure();
    std::fprintf(stderr, "usage: x11-catalogue-probe windows N | measure\n");
    return 2;
}
