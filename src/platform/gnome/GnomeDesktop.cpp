#include "platform/gnome/GnomeDesktop.h"

#include <QByteArray>
#include <QEvent>
#include <QList>
#include <algorithm>

#include "core/Texts.h"
#include "platform/gnome/ExtensionSetup.h"
#include "platform/gnome/GnomeHotkey.h"
#include "platform/gnome/GnomeWindows.h"
#include "platform/gnome/ShellBridge.h"
#include "platform/qt/QtMainWindow.h"
#include "platform/wayland/IdleInhibit.h"

namespace qpa::gnome {

namespace {
class GnomeDesktop final : public qt::LinuxDesktop {
  public:
    explicit GnomeDesktop(const qt::Tell& tell)
        : shell_([tell](const std::wstring& text) { tell(text, texts::kGnomeExtensionTitle); }),
          windows_(shell_) {}
    WindowServices& windows() override { return windows_; }
    KeyboardHook& keyboard() override { return keyboard_; }
    DisplayKeeper& display() override { return display_; }
    // GNOME shows no balloon of Qt's: the program sends them as notifications itself.
    qt::DesktopNotifications* notifications() override { return &notifications_; }
    // GNOME does not let Qt raise its own window, nor tell it that the dash brought the minimised
    // window back; only a window that is back can become the active one.
    void attach(qt::QtMainWindow& window) override {
        window.setRaiseOwnWindow([this] { windows_.raiseOwn(texts::kProductName); });
        window.installEventFilter(&restored_);
        restored_.window = &window;
    }

  private:
    struct RestoredFilter final : QObject {
        qt::QtMainWindow* window = nullptr;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::ActivationChange && window == watched &&
                window->isActiveWindow()) {
                window->restoredByDesktop();
            }
            return false;
        }
    };

    wayland::WaylandConnection connection_{wayland::IdleInhibit::globals()};
    wayland::IdleInhibit display_{connection_};
    ShellBridge shell_;  // outlives what uses it
    GnomeWindows windows_;
    GnomeHotkey keyboard_;
    qt::DesktopNotifications notifications_;
    RestoredFilter restored_;
};
}  // namespace

bool isGnomeSession() {
    const QList<QByteArray> desktops = qgetenv("XDG_CURRENT_DESKTOP").split(':');
    return std::any_of(desktops.begin(), desktops.end(), [](const QByteArray& desktop) {
        return desktop.compare("GNOME", Qt::CaseInsensitive) == 0;
    });
}

std::unique_ptr<qt::LinuxDesktop> openGnomeDesktop(const qt::Tell& tell) {
    // Before the bridge asks the extension anything: an older copy is updated first.
    const auto message = prepareShellExtension();
    auto desktop = std::make_unique<GnomeDesktop>(tell);
    if (message) {
        desktop->startMessage = *message;
        desktop->startMessageTitle = texts::kGnomeExtensionTitle;
    }
    return desktop;
}

}  // namespace qpa::gnome
