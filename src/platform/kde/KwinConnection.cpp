#include "platform/kde/KwinConnection.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace qpa::kde {

namespace {
// A live compositor answers a sync within a frame or two.
constexpr int kSettleMilliseconds = 250;
// Both Plasma 5.27 and 6 offer this version, with the stacking order as one string.
constexpr std::uint32_t kManagementVersion = 16;
// Fake input's destroy request came with version 5; 5.27 offers 4.
constexpr std::uint32_t kFakeInputVersion = 5;

using Clock = std::chrono::steady_clock;
int millisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

KwinWindow& windowOf(void* data) {
    return *static_cast<KwinWindow*>(data);
}

// Only what the list and the wheel need is kept; every other event is read and dropped.
constexpr org_kde_plasma_window_listener kWindowListener{
    .title_changed = [](void* d, org_kde_plasma_window*,
                        const char* title) { windowOf(d).title = title ? title : ""; },
    .app_id_changed = [](void*, org_kde_plasma_window*, const char*) {},
    .state_changed =
        [](void* d, org_kde_plasma_window*, std::uint32_t state) {
            KwinWindow& window = windowOf(d);
            window.state = state;
            if (window.described) window.connection->stateChanged(window);
        },
    .virtual_desktop_changed = [](void*, org_kde_plasma_window*, std::int32_t) {},
    .themed_icon_name_changed = [](void*, org_kde_plasma_window*, const char*) {},
    .unmapped = [](void* d, org_kde_plasma_window*) { windowOf(d).unmapped = true; },
    .initial_state = [](void* d, org_kde_plasma_window*) { windowOf(d).described = true; },
    .parent_window = [](void*, org_kde_plasma_window*, org_kde_plasma_window*) {},
    .geometry =
        [](void* d, org_kde_plasma_window*, std::int32_t x, std::int32_t y, std::uint32_t width,
           std::uint32_t height) {
            windowOf(d).frame = Rect{x, y, static_cast<int>(width), static_cast<int>(height)};
        },
    .icon_changed = [](void*, org_kde_plasma_window*) {},
    .pid_changed = [](void* d, org_kde_plasma_window*,
                      std::uint32_t pid) { windowOf(d).pid = pid; },
    .virtual_desktop_entered = [](void*, org_kde_plasma_window*, const char*) {},
    .virtual_desktop_left = [](void*, org_kde_plasma_window*, const char*) {},
    .application_menu = [](void*, org_kde_plasma_window*, const char*, const char*) {},
    .activity_entered = [](void*, org_kde_plasma_window*, const char*) {},
    .activity_left = [](void*, org_kde_plasma_window*, const char*) {},
    .resource_name_changed = [](void*, org_kde_plasma_window*, const char*) {},
    .client_geometry = [](void*, org_kde_plasma_window*, std::int32_t, std::int32_t, std::uint32_t,
                          std::uint32_t) {},
};

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
void DestroyProxy::operator()(org_kde_plasma_window_management* management) const {
    org_kde_plasma_window_management_destroy(management);  // no request: only our proxy goes
}
void DestroyProxy::operator()(org_kde_plasma_window* window) const {
    org_kde_plasma_window_destroy(window);
}
void DestroyProxy::operator()(org_kde_kwin_fake_input* input) const {
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(input)) >= 5) {
        org_kde_kwin_fake_input_destroy(input);
    } else {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(input));  // no destroy request before 5
    }
}

KwinConnection::KwinConnection() : display_(wl_display_connect(nullptr)) {
    if (!display_) return;
    registry_.reset(wl_display_get_registry(display_.get()));
    static constexpr wl_registry_listener listener{&KwinConnection::global,
                                                   &KwinConnection::globalRemove};
    wl_registry_add_listener(registry_.get(), &listener, this);
    settle();  // the globals, then the windows KWin announces on binding, then their descriptions
}

void KwinConnection::global(void* data, wl_registry* registry, std::uint32_t name,
                            const char* interface, std::uint32_t version) {
    auto* self = static_cast<KwinConnection*>(data);
    if (std::strcmp(interface, org_kde_plasma_window_management_interface.name) == 0 &&
        !self->management_) {
        self->management_.reset(static_cast<org_kde_plasma_window_management*>(
            wl_registry_bind(registry, name, &org_kde_plasma_window_management_interface,
                             std::min(version, kManagementVersion))));
        static constexpr org_kde_plasma_window_management_listener listener{
            .show_desktop_changed = [](void*, org_kde_plasma_window_management*, std::uint32_t) {},
            .window = [](void*, org_kde_plasma_window_management*, std::uint32_t) {},
            .stacking_order_changed = [](void*, org_kde_plasma_window_management*, wl_array*) {},
            .stacking_order_uuid_changed = &KwinConnection::stackingChanged,
            .window_with_uuid = &KwinConnection::windowCame,
            .stacking_order_changed_2 = [](void*, org_kde_plasma_window_management*) {},
        };
        org_kde_plasma_window_management_add_listener(self->management_.get(), &listener, self);
    } else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
               !self->fakeInput_) {
        self->fakeInput_.reset(static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface,
                             std::min(version, kFakeInputVersion))));
    }
}

void KwinConnection::stackingChanged(void* data, org_kde_plasma_window_management*,
                                     const char* ids) {
    static_cast<KwinConnection*>(data)->stacking_ = ids ? ids : "";
}

void KwinConnection::windowCame(void* data, org_kde_plasma_window_management* management,
                                std::uint32_t, const char* id) {
    auto* self = static_cast<KwinConnection*>(data);
    if (!id || self->windows_.contains(id)) return;
    auto window = std::make_unique<KwinWindow>();
    window->handle = ++self->lastHandle_;
    window->id = id;
    window->connection = self;
    window->proxy.reset(org_kde_plasma_window_management_get_window_by_uuid(management, id));
    org_kde_plasma_window_add_listener(window->proxy.get(), &kWindowListener, window.get());
    self->windows_.emplace(id, std::move(window));
}

bool KwinConnection::roundTrip() {
    wl_display* d = display_.get();
    if (!d || wl_display_get_error(d) != 0) return false;
    bool done = false;
    const Owned<wl_callback> sync(wl_display_sync(d));
    wl_callback_add_listener(sync.get(), &kSyncListener, &done);
    return waitFor([&done] { return done; }, kSettleMilliseconds);
}

bool KwinConnection::settle() {
    // A window announced during a round trip describes itself in answer to our request for it,
    // which the next one waits for (and a global bound meanwhile announces its windows first).
    bool settled = roundTrip() && roundTrip();
    for (int more = 0; settled && more < 3 && !allDescribed(); ++more) settled = roundTrip();
    forgetUnmapped();
    return settled;
}

bool KwinConnection::allDescribed() const {
    return std::all_of(windows_.begin(), windows_.end(),
                       [](const auto& entry) { return entry.second->described; });
}

bool KwinConnection::waitFor(const std::function<bool()>& done, int milliseconds) {
    wl_display* d = display_.get();
    if (!d) return false;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
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

void KwinConnection::stateChanged(const KwinWindow& window) const {
    if (stateListener_) stateListener_(window);
}

int KwinConnection::fd() const {
    return display_ ? wl_display_get_fd(display_.get()) : -1;
}

bool KwinConnection::readAvailable() {
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

void KwinConnection::forgetUnmapped() {
    std::erase_if(windows_, [](const auto& entry) { return entry.second->unmapped; });
}

std::vector<const KwinWindow*> KwinConnection::frontToBack() const {
    std::vector<const KwinWindow*> ordered;
    const auto listed = [&ordered](const KwinWindow* w) {
        return std::find(ordered.begin(), ordered.end(), w) != ordered.end();
    };
    std::vector<const KwinWindow*> unstacked;
    for (const auto& [id, window] : windows_) {
        if (!window->unmapped && stacking_.find(id) == std::string::npos) {
            unstacked.push_back(window.get());
        }
    }
    std::sort(unstacked.begin(), unstacked.end(),
              [](const KwinWindow* a, const KwinWindow* b) { return a->handle > b->handle; });
    ordered = unstacked;
    for (const std::string& id : kde::frontToBack(stacking_)) {
        const auto found = windows_.find(id);
        if (found != windows_.end() && !found->second->unmapped && !listed(found->second.get())) {
            ordered.push_back(found->second.get());
        }
    }
    return ordered;
}

const KwinWindow* KwinConnection::find(std::int64_t handle) const {
    for (const auto& [id, window] : windows_) {
        if (window->handle == handle && !window->unmapped) return window.get();
    }
    return nullptr;
}

}  // namespace qpa::kde
