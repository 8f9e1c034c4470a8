#pragma once
#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

namespace qpa::x11 {

// One connection to the X server; closed once.
struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using UniqueDisplay = std::unique_ptr<Display, CloseDisplay>;

// A buffer that XGetWindowProperty allocated; freed once.
struct FreeX {
    void operator()(unsigned char* data) const { XFree(data); }
};
using PropertyData = std::unique_ptr<unsigned char, FreeX>;

// The items of a window property of 32-bit format (windows, atoms, numbers), or nothing.
std::vector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type);
// A text property as UTF-8 when its type is `type`; nothing when absent or of another type.
bool textProperty(Display* display, Window window, Atom property, Atom type, std::string& text);

}  // namespace qpa::x11
