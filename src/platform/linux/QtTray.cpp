#include "platform/linux/QtTray.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QString>
#include <QTimer>

namespace qpa::qt {

namespace {
QString fromWide(const std::wstring& text) {
    return QString::fromStdWString(text);
}
}  // namespace

QtTray::QtTray(const QIcon& icon) : programIcon_(icon) {
    clock_.start();
    QObject::connect(&icon_, &QSystemTrayIcon::activated, this,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 callback(0x202);
                                 break;  // left up
                             case QSystemTrayIcon::Context:
                                 callback(0x205);
                                 break;  // right up
                             case QSystemTrayIcon::DoubleClick:
                                 // Qt takes a second click soon after the first for a double
                                 // click and reports no release for it: the release that
                                 // belongs to a double click still counts.
                                 callback(0x203);
                                 callback(0x202);
                                 break;
                             default:
                                 break;
                         }
                     });
    QObject::connect(&icon_, &QSystemTrayIcon::messageClicked, this, [this] { callback(0x405); });
}

void QtTray::callback(std::uint32_t message) {
    if (routed_ && tray_) tray_->TrayCallback(message, 0);
}

void QtTray::notify(const NotifyRecord& record) {
    switch (record.message) {
        case 0:  // add
            if (record.flags & 0x2) icon_.setIcon(programIcon_);
            if (record.flags & 0x4) icon_.setToolTip(fromWide(record.tip));
            icon_.show();
            return;
        case 1:  // modify
            if (record.flags & 0x2) icon_.setIcon(programIcon_);
            if (record.flags & 0x4) icon_.setToolTip(fromWide(record.tip));
            if ((record.flags & 0x10) && !record.info.empty()) {
                icon_.showMessage(fromWide(record.infoTitle), fromWide(record.info),
                                  QSystemTrayIcon::NoIcon, static_cast<int>(record.timeout));
            }
            return;
        case 2:
            icon_.hide();
            return;  // delete
        default:
            return;
    }
}

double QtTray::elapsedSeconds() {
    return static_cast<double>(clock_.elapsed()) / 1000.0;
}

void QtTray::waitForEvents(double maximumSeconds) {
    // Sleeps until an event arrives; a timer bounds the wait.
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(maximumSeconds * 1000.0) + 1, &loop, [] {});
    loop.processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents();
}

}  // namespace qpa::qt
