#include "platform/x11/X11Hotkey.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace qpa::x11 {

bool X11Hotkey::install(KeyEvents& events) {
    events_ = &events;
    display_.reset(XOpenDisplay(nullptr));
    if (!display_) return false;
    Display* d = display_.get();
    int event = 0, error = 0;
    int major = 2, minor = 0;
    if (!XQueryExtension(d, "XInputExtension", &opcode_, &event, &error) ||
        XIQueryVersion(d, &major, &minor) != Success) {
        display_.reset();
        return false;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof(bits)), bits};
    XISelectEvents(d, DefaultRootWindow(d), &mask, 1);
    controlKeys_[0] = XKeysymToKeycode(d, XK_Control_L);
    controlKeys_[1] = XKeysymToKeycode(d, XK_Control_R);
    shiftKeys_[0] = XKeysymToKeycode(d, XK_Shift_L);
    shiftKeys_[1] = XKeysymToKeycode(d, XK_Shift_R);
    tKey_ = XKeysymToKeycode(d, XK_t);
    XFlush(d);
    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(d), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
    return true;
}

void X11Hotkey::uninstall() {
    notifier_.reset();
    display_.reset();
    events_ = nullptr;
}

void X11Hotkey::readEvents() {
    Display* d = display_.get();
    if (!d) return;
    while (XPending(d) > 0) {
        XEvent event{};
        XNextEvent(d, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode_ ||
            !XGetEventData(d, cookie))
            continue;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            const bool repeat = (raw->flags & XIKeyRepeat) != 0;
            if (!repeat)
                keyEvent(static_cast<unsigned>(raw->detail), cookie->evtype == XI_RawKeyPress);
        }
        XFreeEventData(d, cookie);
    }
}

void X11Hotkey::keyEvent(unsigned keycode, bool pressed) {
    for (std::size_t side = 0; side < 2; ++side) {
        if (keycode == controlKeys_[side]) controlDown_[side] = pressed;
        if (keycode == shiftKeys_[side]) shiftDown_[side] = pressed;
    }
    const auto held = [](const std::array<bool, 2>& sides) { return sides[0] || sides[1]; };
    if (pressed && keycode == tKey_ && events_ && held(controlDown_) && held(shiftDown_))
        events_->chord();
}

}  // namespace qpa::x11
