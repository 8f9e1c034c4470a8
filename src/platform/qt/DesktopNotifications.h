#pragma once
#include <QDBusConnection>
#include <string>

namespace qpa::qt {

// Balloons as the desktop's own notifications (org.freedesktop.Notifications), for a desktop that
// shows none of Qt's: GNOME has no tray for Qt to show them on, and would keep the low urgency Qt
// gives them out of sight.
class DesktopNotifications {
  public:
    DesktopNotifications();
    // Shows it for `seconds` (0: as long as the desktop likes), in place of the one before; false
    // when the desktop has no notification service.
    bool show(const std::wstring& title, const std::wstring& text, int seconds);

  private:
    bool serviceThere();

    QDBusConnection bus_;
    uint shown_ = 0;  // the notification this one replaces
};

}  // namespace qpa::qt
