#pragma once
#include <vector>

#include "platform/sway/PointerRules.h"
#include "platform/wayland/WaylandConnection.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace qpa::sway {

// One virtual pointer, plugged into the default seat from the start and kept. A seat that gains a
// pointer makes every client bind one first, and the events sent before a client has done so are
// lost to it: measured, the first wheel step after plugging the device was lost.
class VirtualPointer {
  public:
    // The global it needs, for the desktop's connection to bind.
    static std::vector<wayland::WantedGlobal> globals();

    explicit VirtualPointer(wayland::WaylandConnection& connection);

    // Whether the compositor lets us make one.
    bool available() const { return pointer_ != nullptr; }
    // Moves the pointer to a point of the layout and turns the wheel there; false when the
    // compositor could not be reached.
    bool turnWheel(const AbsoluteMotion& at, const WheelSteps& steps);

  private:
    wayland::WaylandConnection& connection_;
    wayland::Owned<zwlr_virtual_pointer_v1> pointer_ =
        wayland::ownedBy(&zwlr_virtual_pointer_v1_destroy);
};

}  // namespace qpa::sway
