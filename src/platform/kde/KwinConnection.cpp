#include "platform/kde/KwinConnection.h"

#include <algorithm>

namespace qpa::kde {

namespace {
// Both Plasma 5.27 and 6 offer this version, with the stacking order as one string.
constexpr std::uint32_t kManagementVersion = 16;
// Fake input's destroy request came with version 5; 5.27 offers 4.
constexpr std::uint32_t kFakeInputVersion = 5;

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

}  // namespace

KwinConnection::KwinConnection(std::vector<wayland::WantedGlobal> more) {
    more.push_back({&org_kde_plasma_window_management_interface, kManagementVersion,
                    [](void* management) {
                        // No request: only our proxy goes.
                        org_kde_plasma_window_management_destroy(
                            static_cast<org_kde_plasma_window_management*>(management));
                    },
                    [this](void* management) {
                        listen(static_cast<org_kde_plasma_window_management*>(management));
                    }});
    more.push_back(
        {&org_kde_kwin_fake_input_interface, kFakeInputVersion,
         [](void* input) {
             auto* proxy = static_cast<wl_proxy*>(input);
             if (wl_proxy_get_version(proxy) >= 5) {
                 org_kde_kwin_fake_input_destroy(static_cast<org_kde_kwin_fake_input*>(input));
             } else {
                 wl_proxy_destroy(proxy);  // no destroy request before 5
             }
         },
         [this](void* input) { fakeInput_ = static_cast<org_kde_kwin_fake_input*>(input); }});
    wayland_ = std::make_unique<wayland::WaylandConnection>(std::move(more));
    settle();  // the windows KWin announces on binding, then their descriptions
}

KwinConnection::~KwinConnection() {
    windows_.clear();  // their proxies before the connection
}

void KwinConnection::listen(org_kde_plasma_window_management* management) {
    management_ = management;
    static constexpr org_kde_plasma_window_management_listener listener{
        .show_desktop_changed = [](void*, org_kde_plasma_window_management*, std::uint32_t) {},
        .window = [](void*, org_kde_plasma_window_management*, std::uint32_t) {},
        .stacking_order_changed = [](void*, org_kde_plasma_window_management*, wl_array*) {},
        .stacking_order_uuid_changed = &KwinConnection::stackingChanged,
        .window_with_uuid = &KwinConnection::windowCame,
        .stacking_order_changed_2 = [](void*, org_kde_plasma_window_management*) {},
    };
    org_kde_plasma_window_management_add_listener(management, &listener, this);
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

bool KwinConnection::settle() {
    // A window announced during a round trip describes itself in answer to our request for it,
    // which the next one waits for (and a global bound meanwhile announces its windows first).
    bool settled = wayland_->roundTrip() && wayland_->roundTrip();
    for (int more = 0; settled && more < 3 && !allDescribed(); ++more) {
        settled = wayland_->roundTrip();
    }
    forgetUnmapped();
    return settled;
}

bool KwinConnection::allDescribed() const {
    return std::all_of(windows_.begin(), windows_.end(),
                       [](const auto& entry) { return entry.second->described; });
}

void KwinConnection::stateChanged(const KwinWindow& window) const {
    if (stateListener_) stateListener_(window);
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
