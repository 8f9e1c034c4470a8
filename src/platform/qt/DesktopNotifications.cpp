#include "platform/qt/DesktopNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "platform/qt/QtText.h"

namespace qpa::qt {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kNormalUrgency = 1;  // low urgency goes to the message list without a banner
}  // namespace

DesktopNotifications::DesktopNotifications() : bus_(QDBusConnection::sessionBus()) {}

// Running, or started by the bus at the first call (GNOME Shell's helper is).
bool DesktopNotifications::serviceThere() {
    if (!bus_.isConnected()) return false;
    if (bus_.interface()->isServiceRegistered(kService)) return true;
    const QDBusMessage reply = bus_.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames")));
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toStringList().contains(kService);
}

bool DesktopNotifications::show(const std::wstring& title, const std::wstring& text, int seconds) {
    if (!serviceThere()) return false;
    QDBusMessage notify =
        QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                       kService, QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(kNormalUrgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral("com.tervalinx.QuietPageAdvancer")}};
    notify.setArguments({QStringLiteral("Quiet Page Advancer"), shown_,
                         QStringLiteral("com.tervalinx.QuietPageAdvancer"), qtext(title),
                         qtext(text), QStringList(), hints, seconds > 0 ? seconds * 1000 : -1});
    // Not waited for: the id only lets the next balloon replace this one.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [this](QDBusPendingCallWatcher* call) {
                         const QDBusPendingReply<uint> reply = *call;
                         if (reply.isValid()) shown_ = reply.value();
                         call->deleteLater();
                     });
    return true;
}

}  // namespace qpa::qt
