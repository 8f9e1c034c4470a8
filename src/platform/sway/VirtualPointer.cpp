#include "platform/sway/VirtualPointer.h"

#include <chrono>

namespace qpa::sway {

namespace {
// Event times in milliseconds, as input devices stamp them.
std::uint32_t now() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}
}  // namespace

std::vector<wayland::WantedGlobal> VirtualPointer::globals() {
    return {{&zwlr_virtual_pointer_manager_v1_interface, 1, [](void* manager) {
                 zwlr_virtual_pointer_manager_v1_destroy(
                     static_cast<zwlr_virtual_pointer_manager_v1*>(manager));
             }}};
}

VirtualPointer::VirtualPointer(wayland::WaylandConnection& connection) : connection_(connection) {
    auto* manager = connection.global<zwlr_virtual_pointer_manager_v1>(
        zwlr_virtual_pointer_manager_v1_interface);
    if (!manager) return;
    // No seat: the compositor's default one.
    pointer_.reset(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr));
    connection.roundTrip();
}

bool VirtualPointer::turnWheel(const AbsoluteMotion& at, const WheelSteps& steps) {
    if (!available()) return false;
    zwlr_virtual_pointer_v1* p = pointer_.get();
    zwlr_virtual_pointer_v1_motion_absolute(p, now(), at.x, at.y, at.width, at.height);
    zwlr_virtual_pointer_v1_frame(p);
    for (int i = 0; i < steps.notches; ++i) {
        zwlr_virtual_pointer_v1_axis_source(p, WL_POINTER_AXIS_SOURCE_WHEEL);
        zwlr_virtual_pointer_v1_axis_discrete(p, now(), WL_POINTER_AXIS_VERTICAL_SCROLL,
                                              wl_fixed_from_int(steps.value), steps.discrete);
        zwlr_virtual_pointer_v1_frame(p);
    }
    return connection_.roundTrip();
}

}  // namespace qpa::sway
