#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fake-input-client-protocol.h"
#include "plasma-window-management-client-protocol.h"
#include "platform/kde/KdeRules.h"
#include "platform/wayland/WaylandConnection.h"

namespace qpa::kde {

// One window KWin manages, as its events last described it.
struct KwinWindow {
    std::int64_t handle = 0;  // ours, never given twice: a closed window's handle names nothing
    std::string id;           // KWin's uuid
    std::string title;        // UTF-8
    std::uint32_t pid = 0;
    std::uint32_t state = 0;  // ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_* flags
    Rect frame;
    bool described = false;  // KWin has sent its initial state
    bool unmapped = false;
    wayland::Owned<org_kde_plasma_window> proxy = wayland::ownedBy(&org_kde_plasma_window_destroy);
    class KwinConnection* connection = nullptr;

    bool has(std::uint32_t flag) const { return (state & flag) != 0; }
};

// KWin's window management and fake input on the desktop's one Wayland connection, when KWin shows
// them to this program (a desktop entry names it, see KwinPermission). Version 16 of window
// management is what both Plasma 5.27 and 6 offer with the stacking order as one string; fake input
// is bound as offered (5.27: 4, 6: 5). Nothing here needs events but the answers to our own
// requests and the window list kept up to date, so it is only read while waiting for those.
class KwinConnection {
  public:
    // Connects and binds KWin's globals and `more` (what other adapters need); not connected when
    // no compositor answers.
    explicit KwinConnection(std::vector<wayland::WantedGlobal> more = {});
    ~KwinConnection();
    KwinConnection(const KwinConnection&) = delete;
    KwinConnection& operator=(const KwinConnection&) = delete;

    bool managesWindows() const { return management_ != nullptr; }
    org_kde_kwin_fake_input* fakeInput() const { return fakeInput_; }
    wayland::WaylandConnection& wayland() { return *wayland_; }

    // Sends what was asked and waits, a short while at most, until KWin has handled it and told us
    // of windows that came since (their descriptions included); false when it did not in time.
    bool settle();
    // Reads KWin's events until `done` holds or `milliseconds` have passed; false on the latter.
    bool waitFor(const std::function<bool()>& done, int milliseconds) {
        return wayland_->waitFor(done, milliseconds);
    }
    // Called whenever KWin says a window's state changed, from inside the reading: defer what may
    // run the event loop.
    void setStateListener(std::function<void(const KwinWindow&)> listener) {
        stateListener_ = std::move(listener);
    }

    // The mapped windows, front to back (the newest, not yet stacked, in front).
    std::vector<const KwinWindow*> frontToBack() const;
    // The mapped window with this handle, or nothing.
    const KwinWindow* find(std::int64_t handle) const;

  private:
    static void stackingChanged(void* data, org_kde_plasma_window_management*, const char* ids);
    static void windowCame(void* data, org_kde_plasma_window_management*, std::uint32_t,
                           const char* id);
    void listen(org_kde_plasma_window_management* management);

  public:
    void stateChanged(const KwinWindow& window) const;  // from the window's listener

  private:
    bool allDescribed() const;
    void forgetUnmapped();

    org_kde_plasma_window_management* management_ = nullptr;  // owned by the connection
    org_kde_kwin_fake_input* fakeInput_ = nullptr;            // the same
    std::map<std::string, std::unique_ptr<KwinWindow>> windows_;
    std::string stacking_;  // bottom to top
    std::int64_t lastHandle_ = 0;
    std::function<void(const KwinWindow&)> stateListener_;
    // Last: made once the members above exist, since binding already brings KWin's windows.
    std::unique_ptr<wayland::WaylandConnection> wayland_;
};

}  // namespace qpa::kde
