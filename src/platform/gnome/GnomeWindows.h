#pragma once

#include "platform/gnome/ShellBridge.h"
#include "ports/WindowServices.h"

namespace qpa::gnome {

// Other applications' windows on GNOME, through the program's Shell extension. A WindowHandle is
// the Shell's window id.
class GnomeWindows final : public WindowServices {
  public:
    explicit GnomeWindows(ShellBridge& bridge);

    std::vector<WindowFacts> topLevelWindows() override;
    void raise(WindowHandle window) override;
    void holdAbove(WindowHandle window, bool above) override;
    // The Shell lists only mapped and minimised windows: nothing is hidden to show.
    void show(WindowHandle) override {}
    // A step the Shell refuses (the window covered or on another workspace, the overview up) is
    // tried once more with the window in front, then skipped.
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override { return true; }  // the extension's own pointer
    std::optional<std::int32_t> wheelScrollLines() override;

    // Focuses this program's own window with this title: GNOME lets no client raise itself.
    void raiseOwn(const std::wstring& title);

  private:
    ShellBridge& bridge_;
};

}  // namespace qpa::gnome
