#pragma once
#include "platform/wayland/PointerRules.h"
#include "platform/wayland/WaylandClient.h"

namespace qpa::wayland {

// One virtual pointer, plugged into the default seat from the start and kept. A seat that gains a
// pointer makes every client bind one first, and the events sent before a client has done so are
// lost to it: measured, the first wheel step after plugging the device was lost.
class VirtualPointer {
  public:
    explicit VirtualPointer(WaylandClient& client);

    // Whether the compositor lets us make one.
    bool available() const { return pointer_ != nullptr; }
    // Moves the pointer to a point of the layout and turns the wheel there; false when the
    // compositor could not be reached.
    bool turnWheel(const AbsoluteMotion& at, const WheelSteps& steps);

  private:
    WaylandClient& client_;
    Owned<zwlr_virtual_pointer_v1> pointer_;
};

}  // namespace qpa::wayland
