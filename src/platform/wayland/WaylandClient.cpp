#include "platform/wayland/WaylandClient.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/wayland/Deadline.h"

namespace qpa::wayland {

namespace {
// A live compositor answers a sync within a frame or two.
constexpr std::chrono::milliseconds kSettleWait{250};

void syncDone(void* data, wl_callback*, std::uint32_t) {
    *static_cast<bool*>(data) = true;
}
constexpr wl_callback_listener kSyncListener{&syncDone};
}  // namespace

void DestroyProxy::operator()(wl_display* display) const {
    wl_display_disconnect(display);
}
void DestroyProxy::operator()(wl_registry* registry) const {
    wl_registry_destroy(registry);
}
void DestroyProxy::operator()(wl_callback* callback) const {
    wl_callback_destroy(callback);
}
void DestroyProxy::operator()(wl_compositor* compositor) const {
    wl_compositor_destroy(compositor);
}
void DestroyProxy::operator()(wl_surface* surface) const {
    wl_surface_destroy(surface);
}
void DestroyProxy::operator()(zwlr_virtual_pointer_manager_v1* manager) const {
    zwlr_virtual_pointer_manager_v1_destroy(manager);
}
void DestroyProxy::operator()(zwlr_virtual_pointer_v1* pointer) const {
    zwlr_virtual_pointer_v1_destroy(pointer);
}
void DestroyProxy::operator()(zwp_idle_inhibit_manager_v1* manager) const {
    zwp_idle_inhibit_manager_v1_destroy(manager);
}
void DestroyProxy::operator()(zwp_idle_inhibitor_v1* inhibitor) const {
    zwp_idle_inhibitor_v1_destroy(inhibitor);
}

WaylandClient::WaylandClient() : display_(wl_display_connect(nullptr)) {
    if (!display_) return;
    registry_.reset(wl_display_get_registry(display_.get()));
    static constexpr wl_registry_listener listener{&WaylandClient::global,
                                                   &WaylandClient::globalRemove};
    wl_registry_add_listener(registry_.get(), &listener, this);
    settle();  // the globals are announced before the answer to the sync
}

void WaylandClient::global(void* data, wl_registry* registry, std::uint32_t name,
                           const char* interface, std::uint32_t) {
    auto* self = static_cast<WaylandClient*>(data);
    const auto bind = [&](const wl_interface& wanted) {
        return wl_registry_bind(registry, name, &wanted, 1);
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !self->compositor_) {
        self->compositor_.reset(static_cast<wl_compositor*>(bind(wl_compositor_interface)));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0 &&
               !self->pointerManager_) {
        self->pointerManager_.reset(static_cast<zwlr_virtual_pointer_manager_v1*>(
            bind(zwlr_virtual_pointer_manager_v1_interface)));
    } else if (std::strcmp(interface, zwp_idle_inhibit_manager_v1_interface.name) == 0 &&
               !self->idleInhibitManager_) {
        self->idleInhibitManager_.reset(
            static_cast<zwp_idle_inhibit_manager_v1*>(bind(zwp_idle_inhibit_manager_v1_interface)));
    }
}

bool WaylandClient::flush(int waitMilliseconds) {
    wl_display* d = display_.get();
    while (wl_display_flush(d) < 0) {
        if (errno != EAGAIN) return false;
        pollfd p{wl_display_get_fd(d), POLLOUT, 0};
        if (::poll(&p, 1, waitMilliseconds) <= 0) return false;
    }
    return true;
}

bool WaylandClient::settle() {
    wl_display* d = display_.get();
    if (!d || wl_display_get_error(d) != 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + kSettleWait;
    bool done = false;
    const Owned<wl_callback> sync(wl_display_sync(d));
    wl_callback_add_listener(sync.get(), &kSyncListener, &done);
    while (!done) {
        if (!flush(millisecondsUntil(deadline))) return false;
        if (wl_display_prepare_read(d) != 0) {
            if (wl_display_dispatch_pending(d) < 0) return false;
            continue;
        }
        pollfd p{wl_display_get_fd(d), POLLIN, 0};
        if (::poll(&p, 1, millisecondsUntil(deadline)) <= 0) {
            wl_display_cancel_read(d);
            return false;
        }
        if (wl_display_read_events(d) < 0 || wl_display_dispatch_pending(d) < 0) return false;
    }
    return true;
}

}  // namespace qpa::wayland
