#pragma once
#include <wayland-client.h>

#include <memory>

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace qpa::wayland {

// Destroys a Wayland object (or disconnects the display) through its own destructor request.
struct DestroyProxy {
    void operator()(wl_display* display) const;
    void operator()(wl_registry* registry) const;
    void operator()(wl_callback* callback) const;
    void operator()(wl_compositor* compositor) const;
    void operator()(wl_surface* surface) const;
    void operator()(zwlr_virtual_pointer_manager_v1* manager) const;
    void operator()(zwlr_virtual_pointer_v1* pointer) const;
    void operator()(zwp_idle_inhibit_manager_v1* manager) const;
    void operator()(zwp_idle_inhibitor_v1* inhibitor) const;
};
// One owner for each object: destroyed once, never copied.
template <class T>
using Owned = std::unique_ptr<T, DestroyProxy>;

// A connection of our own to the compositor, with the globals the adapters use. Qt 6.4 does not
// hand out its own connection, and nothing on this one needs events but the answers to our own
// requests, so it is only read while waiting for those.
class WaylandClient {
  public:
    WaylandClient();  // not connected when no compositor answers
    WaylandClient(const WaylandClient&) = delete;
    WaylandClient& operator=(const WaylandClient&) = delete;

    wl_compositor* compositor() const { return compositor_.get(); }
    zwlr_virtual_pointer_manager_v1* pointerManager() const { return pointerManager_.get(); }
    zwp_idle_inhibit_manager_v1* idleInhibitManager() const { return idleInhibitManager_.get(); }

    // Sends what was asked and waits, a short while at most, until the compositor has handled it;
    // false when it did not in time or the connection is lost.
    bool settle();

  private:
    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void globalRemove(void*, wl_registry*, std::uint32_t) {}
    bool flush(int waitMilliseconds);

    Owned<wl_display> display_;
    Owned<wl_registry> registry_;
    Owned<wl_compositor> compositor_;
    Owned<zwlr_virtual_pointer_manager_v1> pointerManager_;
    Owned<zwp_idle_inhibit_manager_v1> idleInhibitManager_;
};

}  // namespace qpa::wayland
