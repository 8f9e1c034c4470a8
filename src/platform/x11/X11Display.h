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

// A buffer that Xlib allocated; freed once.
struct FreeX {
    void operator()(unsigned char* data) const { XFree(data); }
};
using PropertyData = std::unique_ptr<unsigned char, FreeX>;

// A window property as the server holds it: type None when the window has no such property.
struct Property {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    PropertyData data;
};
Property readProperty(Display* display, Window window, Atom property, long maxLength = 65536);

// The items of a window property of 32-bit format (windows, atoms, numbers), or nothing.
std::vector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type);

// Ignores the X errors of the requests made while it lives: a window may vanish between two
// requests, and that is not worth a message. The handler before it is put back.
class IgnoreXErrors {
  public:
    explicit IgnoreXErrors(Display* display);
    IgnoreXErrors(const IgnoreXErrors&) = delete;
    IgnoreXErrors& operator=(const IgnoreXErrors&) = delete;
    ~IgnoreXErrors();

  private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

}  // namespace qpa::x11
