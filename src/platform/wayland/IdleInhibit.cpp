#include "platform/wayland/IdleInhibit.h"

namespace qpa::wayland {

void IdleInhibit::keepAwake(bool awake) {
    if (awake == (inhibitor_ != nullptr)) return;
    if (awake) {
        if (!client_.compositor() || !client_.idleInhibitManager()) return;
        // WORKAROUND: sway 1.7 counts an inhibitor whose surface is no window as always active
        // (sway_idle_inhibit_v1_is_active, "no view associated"), so the surface needs no content.
        surface_.reset(wl_compositor_create_surface(client_.compositor()));
        inhibitor_.reset(zwp_idle_inhibit_manager_v1_create_inhibitor(client_.idleInhibitManager(),
                                                                      surface_.get()));
    } else {
        inhibitor_.reset();
        surface_.reset();
    }
    client_.settle();
}

}  // namespace qpa::wayland
