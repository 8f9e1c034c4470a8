// Every window of the X display, one a line: "ID<TAB>PID<TAB>VIEWABLE<TAB>TITLE", ID in decimal,
// PID from _NET_WM_PID (0 when absent), VIEWABLE 1 when the window and its ancestors are mapped,
// TITLE from _NET_WM_NAME, else WM_NAME, with tabs and line breaks as blanks. The scripts find
// windows by title and process through it.
// Unlike xdotool search it goes on when a window vanishes while it looks: a balloon or tooltip
// destroyed during xdotool's walk made it exit on BadWindow, which a script reads as "no such
// window" although the window it looks for is there.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct FreeX {
    void operator()(void* data) const { XFree(data); }
};
template <typename T>
using XData = std::unique_ptr<T, FreeX>;

// A window that vanished answers every request with an error: it is then left out.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

// The property's bytes, or nothing when the window or the property is gone.
std::string property(Display* d, Window w, Atom name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(d, w, name, 0, 4096, False, type, &actualType, &format, &count, &after,
                           &raw) != Success) {
        return {};
    }
    const XData<unsigned char> data(raw);
    if (!data || actualType == None) return {};
    if (format == 32) return std::string(reinterpret_cast<const char*>(data.get()), sizeof(long));
    return std::string(reinterpret_cast<const char*>(data.get()), count * (format / 8));
}

void print(Display* d, Window w, bool parentViewable) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(d, w, &attributes)) return;
    const bool viewable = parentViewable && attributes.map_state == IsViewable;
    std::string title =
        property(d, w, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False));
    if (title.empty()) title = property(d, w, XA_WM_NAME, AnyPropertyType);
    for (char& c : title)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    const std::string pid = property(d, w, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL);
    long pidValue = 0;
    if (pid.size() == sizeof(long)) pidValue = *reinterpret_cast<const long*>(pid.data());
    std::printf("%lu\t%ld\t%d\t%s\n", w, pidValue, viewable ? 1 : 0, title.c_str());

    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return;
    const XData<Window> owned(children);
    for (unsigned int i = 0; i < count; ++i) print(d, children[i], viewable);
}

}  // namespace

int main() {
    const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    if (!display) return 2;
    XSetErrorHandler(&ignoreError);
    print(display.get(), DefaultRootWindow(display.get()), true);
}
