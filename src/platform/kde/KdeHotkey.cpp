#include "platform/kde/KdeHotkey.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QList>

#include "core/Texts.h"

namespace qpa::kde {

namespace {
const QString kService = QStringLiteral("org.kde.kglobalaccel");
const QString kComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
const QString kComponent = QStringLiteral("quiet-page-advancer");
const QString kAction = QStringLiteral("toggle");
// Qt's key code of Ctrl+Shift+T, as the service stores keys.
constexpr int kChord = 0x04000000 | 0x02000000 | 0x54;
// setShortcut's flags: take these keys now (SetPresent), not those stored earlier (NoAutoloading).
constexpr uint kSetPresentNoAutoloading = 2 | 4;
// The service answers in a millisecond; a desktop without it should not hold the start up.
constexpr int kCallTimeout = 1000;

// Plain messages rather than QDBusInterface, whose introspection of the service trips over its
// QKeySequence signatures and costs a round trip.
QDBusMessage callService(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeout);
}
}  // namespace

KdeHotkey::KdeHotkey()
    : actionId_{kComponent, kAction, QString::fromWCharArray(texts::kProductName),
                QStringLiteral("Turn scrolling on or off")} {}

KdeHotkey::~KdeHotkey() {
    uninstall();  // a shortcut left active would keep the T from every application
}

bool KdeHotkey::install(KeyEvents& events) {
    uninstall();
    if (callService(QStringLiteral("doRegister"), {actionId_}).type() == QDBusMessage::ErrorMessage)
        return false;
    const QDBusReply<QList<int>> granted =
        callService(QStringLiteral("setShortcut"),
                    {actionId_, QVariant::fromValue(QList<int>{kChord}), kSetPresentNoAutoloading});
    if (!granted.isValid() || !granted.value().contains(kChord)) return false;  // another has it
    const QDBusReply<QDBusObjectPath> component =
        callService(QStringLiteral("getComponent"), {kComponent});
    if (!component.isValid()) return false;
    componentPath_ = component.value().path();
    if (!connectSignals(true)) return false;
    sink_ = &events;
    return true;
}

void KdeHotkey::uninstall() {
    if (!sink_) return;
    sink_ = nullptr;
    connectSignals(false);
    press_.released();
    callService(QStringLiteral("setInactive"), {actionId_});  // the keys go back to the others
}

bool KdeHotkey::connectSignals(bool connect) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto change = [&](const char* signal, const char* slot) {
        const QString name = QString::fromLatin1(signal);
        return connect
                   ? bus.connect(kService, componentPath_, kComponentInterface, name, this, slot)
                   : bus.disconnect(kService, componentPath_, kComponentInterface, name, this,
                                    slot);
    };
    const bool pressedOk =
        change("globalShortcutPressed", SLOT(pressed(QString, QString, qlonglong)));
    const bool releasedOk =
        change("globalShortcutReleased", SLOT(released(QString, QString, qlonglong)));
    return pressedOk && releasedOk;
}

void KdeHotkey::pressed(const QString& component, const QString& action, qlonglong) {
    if (sink_ && component == kComponent && action == kAction && press_.pressed()) sink_->chord();
}

void KdeHotkey::released(const QString& component, const QString& action, qlonglong) {
    if (component == kComponent && action == kAction) press_.released();
}

}  // namespace qpa::kde
