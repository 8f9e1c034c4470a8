#pragma once
#include <string>

#include "platform/sway/SwayIpc.h"
#include "platform/sway/SwayReplies.h"
#include "platform/sway/VirtualPointer.h"
#include "ports/WindowServices.h"

namespace qpa::sway {

// Other applications' views under sway: the list and the focus through sway's IPC, the wheel
// through a virtual pointer over the view's content. A WindowHandle is sway's container id.
class SwayWindows final : public WindowServices {
  public:
    SwayWindows(std::string swaySocket, wayland::WaylandConnection& wayland);

    std::vector<WindowFacts> topLevelWindows() override;
    void raise(WindowHandle window) override;
    // sway keeps floating views above tiled ones by itself and lets no client change that: the
    // wheel is aimed past the views above instead.
    void holdAbove(WindowHandle, bool) override {}
    // Every view in sway's tree is mapped, and focusing one shows it: nothing to do.
    void show(WindowHandle) override {}
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override { return pointer_.available(); }
    std::optional<std::int32_t> wheelScrollLines() override;

    // Focuses this program's own view with this title: sway does not let Qt raise its window.
    void raiseOwn(const std::wstring& title);

  private:
    std::vector<SwayView> views();
    void focus(std::int64_t id);

    SwayIpc ipc_;
    VirtualPointer pointer_;
};

}  // namespace qpa::sway
