#include "platform/gnome/GnomeHotkey.h"

#include <QDBusConnection>

#include "platform/gnome/GnomeRules.h"

namespace qpa::gnome {

namespace {
bool follow(bool on, QObject* receiver) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QString::fromLatin1(kBridgeBusName);
    const QString path = QString::fromLatin1(kBridgePath);
    const QString interface = QString::fromLatin1(kBridgeInterface);
    const QString name = QStringLiteral("Chord");
    // The bus follows the name to whichever Shell owns it, also one that starts later.
    return on ? bus.connect(service, path, interface, name, receiver, SLOT(pressed()))
              : bus.disconnect(service, path, interface, name, receiver, SLOT(pressed()));
}
}  // namespace

bool GnomeHotkey::install(KeyEvents& events) {
    if (events_) uninstall();
    if (!follow(true, this)) return false;
    events_ = &events;
    return true;
}

void GnomeHotkey::uninstall() {
    if (!events_) return;
    follow(false, this);
    events_ = nullptr;
}

void GnomeHotkey::pressed() {
    if (events_) events_->chord();
}

}  // namespace qpa::gnome
