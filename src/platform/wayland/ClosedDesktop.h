#pragma once
#include "ports/Desktop.h"
#include "ports/WindowServices.h"

// A Wayland desktop other than sway: it lets no program see, focus or scroll another's windows,
// nor see the keys typed into them.
namespace qpa::wayland {

class NoWindows final : public WindowServices {
  public:
    std::vector<WindowFacts> topLevelWindows() override { return {}; }
    void raise(WindowHandle) override {}
    void holdAbove(WindowHandle, bool) override {}
    void show(WindowHandle) override {}
    void scroll(WindowHandle, std::int32_t) override {}
    bool wheelPresent() override { return false; }
    std::optional<std::int32_t> wheelScrollLines() override { return std::nullopt; }
};

class NoKeys final : public KeyboardHook {
  public:
    bool install(KeyEvents&) override { return false; }
    void uninstall() override {}
};

}  // namespace qpa::wayland
