#pragma once
#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include "platform/qt/DesktopNotifications.h"
#include "ports/Desktop.h"

namespace qpa::qt {

// The notification area through QSystemTrayIcon, which follows both tray protocols and puts the
// icon up again by itself when the tray host restarts.
class QtTray final : public QObject, public TrayShell {
  public:
    explicit QtTray(const QIcon& icon);

    TrayPicture designedPicture() override { return 1; }  // the one program icon
    void add(TrayEvents& events, TrayPicture picture, const std::wstring& tip) override;
    void changePicture(TrayPicture picture) override;
    void changeTip(const std::wstring& tip) override;
    void balloon(const std::wstring& title, const std::wstring& text, int seconds) override;
    void balloonOff() override {}  // a Qt balloon goes away by itself
    void remove() override;
    double elapsedSeconds() override;
    void waitForEvents(double maximumSeconds) override;

    // Brings the window back as a click on the icon does: for a second start of the program, and
    // for a window the user restored by other means while it stood for the tray.
    void actAsClicked();
    // Shows balloons as the desktop's notifications rather than through the tray.
    void showBalloonsAs(DesktopNotifications* notifications) { notifications_ = notifications; }

  private:
    QSystemTrayIcon icon_;
    QIcon programIcon_;
    TrayEvents* events_ = nullptr;  // while the icon is up
    DesktopNotifications* notifications_ = nullptr;
    QElapsedTimer clock_;
};

}  // namespace qpa::qt
