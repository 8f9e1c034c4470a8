#include "platform/x11/ScreenSaverSuspend.h"

#include <X11/extensions/scrnsaver.h>

namespace qpa::x11 {

void ScreenSaverSuspend::keepAwake(bool awake) {
    if (awake && !display_) {
        display_.reset(XOpenDisplay(nullptr));
        if (display_) {
            XScreenSaverSuspend(display_.get(), True);
            XFlush(display_.get());
        }
    } else if (!awake && display_) {
        XScreenSaverSuspend(display_.get(), False);
        display_.reset();  // the suspension also ends with the connection
    }
}

}  // namespace qpa::x11
