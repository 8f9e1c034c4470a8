#include "platform/wayland/WaylandConnection.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/wayland/Deadline.h"

namespace qpa::wayland {

namespace {
// A live compositor answers a sync within a frame or two.
constexpr int kRoundTripMilliseconds = 250;

void syncDone(void* data, wl_callback*, std::uint32_t) {
    *static_cast<bool*>(data) = true;
}
constexpr wl_callback_listener kSyncListener{&syncDone};
}  // namespace

WaylandConnection::WaylandConnection(std::vector<WantedGlobal> wanted)
    : display_(ownedBy(&wl_display_disconnect, wl_display_connect(nullptr))) {
    for (WantedGlobal& global : wanted) globals_.push_back(Bound{std::move(global)});
    if (!display_) return;
    registry_.reset(wl_display_get_registry(display_.get()));
    static constexpr wl_registry_listener listener{&WaylandConnection::announced,
                                                   [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(registry_.get(), &listener, this);
    roundTrip();  // the globals are announced before the answer to the sync
}

WaylandConnection::~WaylandConnection() {
    for (auto it = globals_.rbegin(); it != globals_.rend(); ++it) {
        if (it->object) it->wanted.destroy(it->object);
    }
}

void WaylandConnection::announced(void* data, wl_registry* registry, std::uint32_t name,
                                  const char* interface, std::uint32_t version) {
    for (Bound& global : static_cast<WaylandConnection*>(data)->globals_) {
        if (global.object || std::strcmp(interface, global.wanted.interface->name) != 0) continue;
        global.object = wl_registry_bind(registry, name, global.wanted.interface,
                                         std::min(version, global.wanted.version));
        if (global.wanted.bound) global.wanted.bound(global.object);
        return;
    }
}

void* WaylandConnection::find(const wl_interface& interface) const {
    for (const Bound& global : globals_) {
        if (global.wanted.interface == &interface) return global.object;
    }
    return nullptr;
}

bool WaylandConnection::roundTrip() {
    wl_display* d = display_.get();
    if (!d || wl_display_get_error(d) != 0) return false;
    bool done = false;
    const Owned<wl_callback> sync = ownedBy(&wl_callback_destroy, wl_display_sync(d));
    wl_callback_add_listener(sync.get(), &kSyncListener, &done);
    return waitFor([&done] { return done; }, kRoundTripMilliseconds);
}

bool WaylandConnection::waitFor(const std::function<bool()>& done, int milliseconds) {
    wl_display* d = display_.get();
    if (!d) return false;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        while (wl_display_flush(d) < 0) {
            if (errno != EAGAIN) return false;
            pollfd p{wl_display_get_fd(d), POLLOUT, 0};
            if (::poll(&p, 1, millisecondsUntil(deadline)) <= 0) return false;
        }
        if (wl_display_prepare_read(d) != 0) {
            if (wl_display_dispatch_pending(d) < 0) return false;
            continue;
        }
        pollfd p{wl_display_get_fd(d), POLLIN, 0};
        if (::poll(&p, 1, millisecondsUntil(deadline)) <= 0) {
            wl_display_cancel_read(d);
            return done();
        }
        if (wl_display_read_events(d) < 0 || wl_display_dispatch_pending(d) < 0) return false;
    }
    return true;
}

bool WaylandConnection::readAvailable() {
    wl_display* d = display_.get();
    if (!d || wl_display_get_error(d) != 0) return false;
    while (wl_display_prepare_read(d) != 0) {
        if (wl_display_dispatch_pending(d) < 0) return false;
    }
    pollfd p{wl_display_get_fd(d), POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) {
        wl_display_cancel_read(d);
    } else if (wl_display_read_events(d) < 0) {
        return false;
    }
    return wl_display_dispatch_pending(d) >= 0 && wl_display_flush(d) >= 0;
}

int WaylandConnection::fd() const {
    return display_ ? wl_display_get_fd(display_.get()) : -1;
}

}  // namespace qpa::wayland
