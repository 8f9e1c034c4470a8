#include "platform/sway/SwayDesktop.h"

#include <cstdlib>

#include "core/Texts.h"
#include "platform/qt/QtMainWindow.h"
#include "platform/qt/WidgetsWithoutOpenGl.h"
#include "platform/sway/SwayHotkey.h"
#include "platform/sway/SwayOwnView.h"
#include "platform/sway/SwayWindows.h"
#include "platform/wayland/IdleInhibit.h"

namespace qpa::sway {

namespace {
std::vector<wayland::WantedGlobal> swayGlobals() {
    std::vector<wayland::WantedGlobal> globals = wayland::IdleInhibit::globals();
    for (wayland::WantedGlobal& global : VirtualPointer::globals()) globals.push_back(global);
    return globals;
}

class SwayDesktop final : public qt::LinuxDesktop {
  public:
    explicit SwayDesktop(const std::string& socket)
        : windows_(socket, connection_), keyboard_(socket), ownView_(socket, texts::kProductName) {}
    WindowServices& windows() override { return windows_; }
    KeyboardHook& keyboard() override { return keyboard_; }
    DisplayKeeper& display() override { return display_; }
    // sway does not let Qt raise its own window.
    void attach(qt::QtMainWindow& window) override {
        window.setRaiseOwnWindow([this] { windows_.raiseOwn(texts::kProductName); });
    }

  private:
    wayland::WaylandConnection connection_{swayGlobals()};  // outlives what uses it
    wayland::IdleInhibit display_{connection_};
    SwayWindows windows_;
    SwayHotkey keyboard_;
    SwayOwnView ownView_;  // keeps our view tiled beside the document
};

std::string swaySocket() {
    const char* socket = std::getenv("SWAYSOCK");
    return socket ? socket : "";
}
}  // namespace

bool isSwaySession() {
    return !swaySocket().empty();
}

std::unique_ptr<qt::LinuxDesktop> openSwayDesktop(const qt::Tell&) {
    qt::leaveOutOpenGlIntegration();
    return std::make_unique<SwayDesktop>(swaySocket());
}

}  // namespace qpa::sway
