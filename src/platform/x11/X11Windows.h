#pragma once
#include <QCoreApplication>
#include <QSocketNotifier>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

// After Qt: Xlib defines macros (Bool, Status) that Qt's headers use as names.
#include "platform/portable/AimPoint.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11Rules.h"
#include "ports/WindowServices.h"

namespace qpa::x11 {

// Other applications' top-level windows through Xlib, the window manager's hints and XTest. A
// window is acted on only while it is still the one listed: the server gives a gone client's ids
// to the next client, whose window was never listed.
class X11Windows final : public WindowServices {
  public:
    X11Windows();

    std::vector<WindowFacts> topLevelWindows() override;
    void raise(WindowHandle window) override;
    void holdAbove(WindowHandle window, bool above) override;
    void show(WindowHandle window) override;
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override { return display_ != nullptr; }
    std::optional<std::int32_t> wheelScrollLines() override;

  private:
    std::vector<Window> frontToBack();
    // WM_NAME, for a window without _NET_WM_NAME.
    std::wstring legacyTitle(Window window);
    void sendToRoot(Window window, Atom type, long a, long b, long c, long d);
    void waitUntilTopmost(Window window, std::chrono::steady_clock::time_point deadline);
    // The child of the root that holds `window`: its frame under a reparenting window manager.
    Window topLevelAncestor(Window window);
    // Reads the DestroyNotify events the server has sent so far (every listed window is watched).
    void forgetDestroyed();
    // Reads the events already at hand, without a round trip.
    void readEvents();
    // The window is still the one the last listing found; what the server sent is read first.
    bool stillListed(Window window);
    enum class Wheel { delivered, gone, covered };
    // One try at the wheel while the server is grabbed: nothing can move, map or appear in between.
    Wheel turnWheelOver(Window window, std::int32_t delta, int clicks);
    // A point of `window`'s content on screen that no window above its frame covers, or nothing.
    std::optional<aim::Point> uncoveredPoint(Window window, Window frame);

    UniqueDisplay display_;
    Window root_ = 0;
    ListedWindows listed_;
    // Watching the listed windows also brings their moves and resizes: read as they come, so
    // that they do not pile up while the program is Off.
    std::unique_ptr<QSocketNotifier> eventReader_;
    Atom stacking_ = 0, allowedActions_ = 0, maximizeHorizontally_ = 0, maximizeVertically_ = 0,
         netName_ = 0, utf8_ = 0, activeWindow_ = 0, state_ = 0, stateAbove_ = 0, restack_ = 0,
         pid_ = 0, wmState_ = 0, windowType_ = 0, dockType_ = 0;
};

}  // namespace qpa::x11
