#pragma once
#include <vector>

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "platform/wayland/WaylandConnection.h"
#include "ports/Desktop.h"

namespace qpa::wayland {

// Keeps the display awake through the idle-inhibit protocol, on a surface of our own: the main
// window is hidden in the tray while switched On, and Qt's surface is on Qt's connection.
class IdleInhibit final : public DisplayKeeper {
  public:
    // The globals it needs, for the desktop's connection to bind.
    static std::vector<WantedGlobal> globals();

    explicit IdleInhibit(WaylandConnection& connection) : connection_(connection) {}
    void keepAwake(bool awake) override;

  private:
    WaylandConnection& connection_;
    Owned<wl_surface> surface_ = ownedBy(&wl_surface_destroy);
    // Before the surface.
    Owned<zwp_idle_inhibitor_v1> inhibitor_ = ownedBy(&zwp_idle_inhibitor_v1_destroy);
};

}  // namespace qpa::wayland
