#include "platform/x11/X11Desktop.h"

#include <QGuiApplication>

#include "platform/x11/ScreenSaverSuspend.h"
#include "platform/x11/X11Hotkey.h"
#include "platform/x11/X11Windows.h"

namespace qpa::x11 {

namespace {
class X11Desktop final : public qt::LinuxDesktop {
  public:
    WindowServices& windows() override { return windows_; }
    KeyboardHook& keyboard() override { return keyboard_; }
    DisplayKeeper& display() override { return display_; }

  private:
    X11Windows windows_;
    X11Hotkey keyboard_;
    ScreenSaverSuspend display_;
};
}  // namespace

bool isX11Session() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

std::unique_ptr<qt::LinuxDesktop> openX11Desktop(const qt::Tell&) {
    return std::make_unique<X11Desktop>();
}

}  // namespace qpa::x11
