// Bare X windows for the X11 scenarios, each logging every wheel step it receives to LOGFILE as
// "title|delta|0" (button 4: 120, button 5: -120), as the wheel target does:
//   popup X Y W H   an override-redirect window ("Popup") over that rectangle, as a tooltip, a
//                   menu or a notification stands over other windows without the window manager;
//   flicker         override-redirect windows ("Flicker") mapped and unmapped over the whole
//   screen,
//                   one every 20 ms, each over a new random rectangle, until killed;
//   document TITLE  an ordinary managed window of that title, to be listed and then closed: the
//   next
//                   client that connects gets the same ids, so its window gets the same id.
// Usage: x-stand-ins LOGFILE popup X Y W H | flicker | document TITLE
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

Window makeWindow(Display* d, bool overrideRedirect, int x, int y, int width, int height) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = overrideRedirect ? True : False;
    attributes.background_pixel = 0xffd700;  // visible in the scenarios' pictures
    attributes.event_mask = ButtonPressMask;
    return XCreateWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width),
                         static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWOverrideRedirect | CWBackPixel | CWEventMask,
                         &attributes);
}

// Logs the wheel presses that have arrived; the other buttons are no wheel step.
void logWheel(Display* d, const char* logPath, const std::string& title) {
    while (XPending(d) > 0) {
        XEvent event{};
        XNextEvent(d, &event);
        if (event.type != ButtonPress || (event.xbutton.button != 4 && event.xbutton.button != 5))
            continue;
        if (std::FILE* log = std::fopen(logPath, "a")) {
            std::fprintf(log, "%s|%d|0\n", title.c_str(), event.xbutton.button == 4 ? 120 : -120);
            std::fclose(log);
        }
    }
}

void setTitle(Display* d, Window w, const std::string& title) {
    XStoreName(d, w, title.c_str());
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                    XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
}

}  // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    if (!display || argc < 3) return 2;
    Display* d = display.get();
    const char* logPath = argv[1];
    const std::string mode = argv[2];
    std::string title;
    std::vector<Window> windows;
    if (mode == "popup" && argc == 7) {
        title = "Popup";
        windows.push_back(makeWindow(d, true, std::atoi(argv[3]), std::atoi(argv[4]),
                                     std::atoi(argv[5]), std::atoi(argv[6])));
    } else if (mode == "document" && argc == 4) {
        title = argv[3];
        windows.push_back(makeWindow(d, false, 100, 600, 400, 300));
        setTitle(d, windows.back(), title);
        if (std::FILE* log = std::fopen(logPath, "a")) {
            std::fprintf(log, "%s|id|%lu\n", title.c_str(), windows.back());
            std::fclose(log);
        }
    } else if (mode == "flicker") {
        title = "Flicker";
        for (int i = 0; i < 5; ++i) windows.push_back(makeWindow(d, true, 0, 0, 1, 1));
    } else {
        return 2;
    }
    for (Window w : windows) XMapRaised(d, w);
    XFlush(d);
    const int screenWidth = DisplayWidth(d, DefaultScreen(d));
    const int screenHeight = DisplayHeight(d, DefaultScreen(d));
    std::mt19937 chance(std::random_device{}());
    const auto between = [&chance](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(chance);
    };
    for (std::size_t next = 0;; next = (next + 1) % windows.size()) {
        logWheel(d, logPath, title);
        if (mode == "flicker") {
            // The oldest of the five goes away and comes back somewhere else, on top.
            const Window w = windows[next];
            XUnmapWindow(d, w);
            const int width = between(80, 500), height = between(60, 400);
            XMoveResizeWindow(d, w, between(0, screenWidth - width),
                              between(0, screenHeight - height), static_cast<unsigned>(width),
                              static_cast<unsigned>(height));
            XMapRaised(d, w);
            XFlush(d);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
