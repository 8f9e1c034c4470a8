#pragma once
#include "platform/wayland/WaylandClient.h"
#include "ports/Desktop.h"

namespace qpa::wayland {

// Keeps the display awake through the idle-inhibit protocol, on a surface of our own: the main
// window is hidden in the tray while switched On, and Qt's surface is on Qt's connection.
class IdleInhibit final : public DisplayKeeper {
  public:
    explicit IdleInhibit(WaylandClient& client) : client_(client) {}
    void keepAwake(bool awake) override;

  private:
    WaylandClient& client_;
    Owned<wl_surface> surface_;
    Owned<zwp_idle_inhibitor_v1> inhibitor_;  // before the surface
};

}  // namespace qpa::wayland
