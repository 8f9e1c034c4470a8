#pragma once

#include "platform/kde/KwinConnection.h"
#include "platform/kde/KwinStacking.h"
#include "ports/WindowServices.h"

namespace qpa::kde {

// Other applications' windows under KWin (Plasma 5.27 and 6): the list, the focus and "keep above"
// through KWin's window management, the wheel through one fake-input pointer plugged at start and
// kept, turned only where the screen shows the target at that moment (KwinStacking). A
// WindowHandle is the connection's own number for the window.
class KdeWindows final : public WindowServices {
  public:
    explicit KdeWindows(KwinConnection& kwin);

    std::vector<WindowFacts> topLevelWindows() override;
    // Activates the window (which also brings it back from minimised) and waits a short while
    // until KWin says it is active, so that the wheel then finds it in front.
    void raise(WindowHandle window) override;
    void holdAbove(WindowHandle window, bool above) override;
    // KWin maps what it lists, and activating a window shows it: nothing to do.
    void show(WindowHandle) override {}
    // A point of the target that nothing covers, keep-above windows, popups and panels included;
    // a target wholly covered, or a moment KWin did not describe, gets no step.
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override { return kwin_.fakeInput() != nullptr; }
    std::optional<std::int32_t> wheelScrollLines() override;

  private:
    void setState(WindowHandle window, std::uint32_t flag, bool on);

    KwinConnection& kwin_;
    KwinStacking stacking_;
};

}  // namespace qpa::kde
