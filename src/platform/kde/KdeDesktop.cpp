#include "platform/kde/KdeDesktop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include "core/Texts.h"
#include "platform/kde/KdeHotkey.h"
#include "platform/kde/KdeWindows.h"
#include "platform/kde/KwinOwnWindow.h"
#include "platform/kde/KwinPermission.h"
#include "platform/qt/QtMainWindow.h"
#include "platform/qt/WidgetsWithoutOpenGl.h"
#include "platform/wayland/IdleInhibit.h"

namespace qpa::kde {

namespace {
class KdeDesktop final : public qt::LinuxDesktop {
  public:
    KdeDesktop()
        : kwin_(connectWithPermission(wayland::IdleInhibit::globals())),
          display_(kwin_->wayland()),
          windows_(*kwin_) {
        if (!kwin_->managesWindows() || !kwin_->fakeInput()) {
            startMessage = hiddenWindowsMessage();
            startMessageTitle = texts::kDesktopKeepsWindowsApartTitle;
        }
    }
    WindowServices& windows() override { return windows_; }
    KeyboardHook& keyboard() override { return keyboard_; }
    DisplayKeeper& display() override { return display_; }
    // Wayland does not tell a client that it was minimised; KWin's window management does.
    void attach(qt::QtMainWindow& window) override {
        if (!kwin_->managesWindows()) return;
        ownWindow_ = std::make_unique<KwinOwnWindow>(*kwin_, texts::kProductName,
                                                     [&window] { window.minimisedByDesktop(); });
    }

  private:
    std::unique_ptr<KwinConnection> kwin_;  // outlives what uses it
    wayland::IdleInhibit display_;
    KdeWindows windows_;
    KdeHotkey keyboard_;
    std::unique_ptr<KwinOwnWindow> ownWindow_;
};
}  // namespace

bool isKdeSession() {
    if (qgetenv("XDG_CURRENT_DESKTOP").split(':').contains("KDE")) return true;
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.KWin")).value();
}

std::unique_ptr<qt::LinuxDesktop> openKdeDesktop(const qt::Tell&) {
    qt::leaveOutOpenGlIntegration();
    return std::make_unique<KdeDesktop>();
}

}  // namespace qpa::kde
