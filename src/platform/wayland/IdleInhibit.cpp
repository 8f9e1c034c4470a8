#include "platform/wayland/IdleInhibit.h"

namespace qpa::wayland {

std::vector<WantedGlobal> IdleInhibit::globals() {
    return {
        {&wl_compositor_interface, 1,
         [](void* compositor) { wl_compositor_destroy(static_cast<wl_compositor*>(compositor)); }},
        {&zwp_idle_inhibit_manager_v1_interface, 1,
         [](void* manager) {
             zwp_idle_inhibit_manager_v1_destroy(
                 static_cast<zwp_idle_inhibit_manager_v1*>(manager));
         }},
    };
}

void IdleInhibit::keepAwake(bool awake) {
    if (awake == (inhibitor_ != nullptr)) return;
    if (awake) {
        auto* compositor = connection_.global<wl_compositor>(wl_compositor_interface);
        auto* manager =
            connection_.global<zwp_idle_inhibit_manager_v1>(zwp_idle_inhibit_manager_v1_interface);
        if (!compositor || !manager) return;
        // WORKAROUND: sway 1.7 counts an inhibitor whose surface is no window as always active
        // (sway_idle_inhibit_v1_is_active, "no view associated"), so the surface needs no content.
        surface_.reset(wl_compositor_create_surface(compositor));
        inhibitor_.reset(zwp_idle_inhibit_manager_v1_create_inhibitor(manager, surface_.get()));
    } else {
        inhibitor_.reset();
        surface_.reset();
    }
    connection_.roundTrip();
}

}  // namespace qpa::wayland
