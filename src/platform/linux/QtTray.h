#pragma once
#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include "desktop/SysTray.h"
#include "platform/DesktopPorts.h"

namespace qpa::qt {

// The notification area through QSystemTrayIcon (which puts the icon up again by itself when the
// tray host restarts). Clicks become the callbacks a Windows tray icon would send.
class QtTray final : public QObject, public TrayShell {
  public:
    explicit QtTray(const QIcon& icon);
    void attach(SysTray& tray) { tray_ = &tray; }

    WindowHandle ownWindow() override { return 0; }
    void routeCallbacks(bool routed) override { routed_ = routed; }
    void notify(const NotifyRecord& record) override;
    std::intptr_t designedIcon() override { return 1; }  // the one program icon
    double elapsedSeconds() override;
    void waitForEvents(double maximumSeconds) override;

    QSystemTrayIcon& icon() { return icon_; }

  private:
    void callback(std::uint32_t message);

    QSystemTrayIcon icon_;
    QIcon programIcon_;
    SysTray* tray_ = nullptr;
    bool routed_ = false;
    QElapsedTimer clock_;
};

}  // namespace qpa::qt
