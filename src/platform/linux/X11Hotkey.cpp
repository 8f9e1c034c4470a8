#include "platform/linux/X11Hotkey.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include <QTimer>

namespace qpa::x11 {

std::intptr_t X11Hotkey::install() {
    display_.reset(XOpenDisplay(nullptr));
    if (!display_) return 0;
    Display* d = display_.get();
    int event = 0, error = 0;
    int major = 2, minor = 0;
    if (!XQueryExtension(d, "XInputExtension", &opcode_, &event, &error) ||
        XIQueryVersion(d, &major, &minor) != Success) {
        display_.reset();
        return 0;
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
    return 1;
}

void X11Hotkey::uninstall(std::intptr_t) {
    notifier_.reset();
    display_.reset();
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
    // The decision sees the key states as they were before this event, as a Windows hook does.
    if (owner_) owner_->KeyboardProc(0, pressed ? 0x100 : 0x101, 0);
    const auto apply = [&](int& down) { down = pressed ? 1 : 0; };
    if (keycode == controlKeys_[0] || keycode == controlKeys_[1]) apply(controlDown_);
    if (keycode == shiftKeys_[0] || keycode == shiftKeys_[1]) apply(shiftDown_);
    if (keycode == tKey_) {
        tDown_ = pressed;
        if (pressed) tPressedSinceAsked_ = true;
    }
}

std::int16_t X11Hotkey::asyncKeyState(int virtualKey) {
    constexpr std::int16_t kDown = static_cast<std::int16_t>(0x8000);
    switch (virtualKey) {
        case kVirtualKeyControl:
            return controlDown_ ? kDown : std::int16_t{0};
        case kVirtualKeyShift:
            return shiftDown_ ? kDown : std::int16_t{0};
        case kVirtualKeyT: {
            std::int16_t state = tDown_ ? kDown : std::int16_t{0};
            if (tPressedSinceAsked_) state = static_cast<std::int16_t>(state | 1);
            tPressedSinceAsked_ = false;
            return state;
        }
        default:
            return 0;
    }
}

void X11Hotkey::postToggle() {
    QTimer::singleShot(0, this, [this] {
        if (toggle_) toggle_();
    });
}

}  // namespace qpa::x11
