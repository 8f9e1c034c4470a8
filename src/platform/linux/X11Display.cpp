#include "platform/linux/X11Display.h"

#include <X11/Xatom.h>

namespace qpa::x11 {

std::vector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actualType, &format,
                           &count, &after, &raw) != Success) {
        return {};
    }
    const PropertyData data(raw);
    if (!raw || actualType != type || format != 32) return {};
    const auto* items = reinterpret_cast<const unsigned long*>(raw);  // 32-bit items come as longs
    return std::vector<unsigned long>(items, items + count);
}

bool textProperty(Display* display, Window window, Atom property, Atom type, std::string& text) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, AnyPropertyType, &actualType,
                           &format, &count, &after, &raw) != Success) {
        return false;
    }
    const PropertyData data(raw);
    if (!raw || actualType == None) return false;
    if (actualType != type || format != 8) return false;
    text.assign(reinterpret_cast<const char*>(raw), count);
    return true;
}

}  // namespace qpa::x11
