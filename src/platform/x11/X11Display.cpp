#include "platform/x11/X11Display.h"

#include <X11/Xatom.h>

namespace qpa::x11 {

namespace {
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}
}  // namespace

Property readProperty(Display* display, Window window, Atom property, long maxLength) {
    Property p;
    unsigned long after = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, property, 0, maxLength, False, AnyPropertyType, &p.type,
                           &p.format, &p.count, &after, &raw) != Success) {
        return {};
    }
    p.data.reset(raw);
    return p;
}

std::vector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type) {
    const Property p = readProperty(display, window, property);
    if (!p.data || p.type != type || p.format != 32) return {};
    const auto* items = reinterpret_cast<const unsigned long*>(p.data.get());  // 32-bit as longs
    return std::vector<unsigned long>(items, items + p.count);
}

IgnoreXErrors::IgnoreXErrors(Display* display)
    : display_(display), previous_(XSetErrorHandler(&ignoreError)) {}

IgnoreXErrors::~IgnoreXErrors() {
    XSync(display_, False);  // the errors of the requests made meanwhile arrive here
    XSetErrorHandler(previous_);
}

}  // namespace qpa::x11
