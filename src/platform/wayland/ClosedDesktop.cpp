#include "platform/wayland/ClosedDesktop.h"

#include "core/Texts.h"
#include "platform/wayland/IdleInhibit.h"

namespace qpa::wayland {

namespace {
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

class ClosedDesktop final : public qt::LinuxDesktop {
  public:
    ClosedDesktop() {
        startMessage = texts::kDesktopKeepsWindowsApart;
        startMessageTitle = texts::kDesktopKeepsWindowsApartTitle;
    }
    WindowServices& windows() override { return windows_; }
    KeyboardHook& keyboard() override { return keys_; }
    DisplayKeeper& display() override { return display_; }

  private:
    WaylandConnection connection_{IdleInhibit::globals()};
    NoWindows windows_;
    NoKeys keys_;
    IdleInhibit display_{connection_};
};
}  // namespace

std::unique_ptr<qt::LinuxDesktop> openClosedDesktop(const qt::Tell&) {
    return std::make_unique<ClosedDesktop>();
}

}  // namespace qpa::wayland
