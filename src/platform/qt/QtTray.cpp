#include "platform/qt/QtTray.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/qt/QtText.h"

namespace qpa::qt {

QtTray::QtTray(const QIcon& icon) : programIcon_(icon) {
    clock_.start();
    QObject::connect(
        &icon_, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (!events_) return;
            // Qt reports a click at the press, and a second click soon after the
            // first as a double click only: each of these stands for a release.
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                events_->buttonReleased(1);
            } else if (reason == QSystemTrayIcon::Context) {
                events_->buttonReleased(2);
            }
        });
    QObject::connect(&icon_, &QSystemTrayIcon::messageClicked, this, [this] {
        if (events_) events_->balloonClosed();
    });
}

void QtTray::add(TrayEvents& events, TrayPicture picture, const std::wstring& tip) {
    events_ = &events;
    if (picture != 0) icon_.setIcon(programIcon_);
    if (!tip.empty()) icon_.setToolTip(qtext(tip));
    icon_.show();
}

void QtTray::changePicture(TrayPicture) {
    icon_.setIcon(programIcon_);
}

void QtTray::changeTip(const std::wstring& tip) {
    icon_.setToolTip(qtext(tip));
}

void QtTray::balloon(const std::wstring& title, const std::wstring& text, int seconds) {
    if (notifications_ && notifications_->show(title, text, seconds)) return;
    icon_.showMessage(qtext(title), qtext(text), QSystemTrayIcon::NoIcon, seconds * 1000);
}

void QtTray::remove() {
    icon_.hide();
    events_ = nullptr;
}

void QtTray::actAsClicked() {
    if (events_) events_->buttonReleased(1);
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
