#include "platform/wayland/VirtualPointer.h"

#include <chrono>

namespace qpa::wayland {

namespace {
// Event times in milliseconds, as input devices stamp them.
std::uint32_t now() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}
}  // namespace

VirtualPointer::VirtualPointer(WaylandClient& client) : client_(client) {
    if (!client.pointerManager()) return;
    pointer_.reset(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(
        client.pointerManager(), nullptr));  // no seat: the compositor's default one
    client.settle();
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
    return client_.settle();
}

}  // namespace qpa::wayland
