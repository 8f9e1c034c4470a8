#include "platform/kde/KdeHotkey.h"

#include <fcntl.h>
#include <sys/file.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QList>
#include <QStandardPaths>
#include <QThread>

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
constexpr const char* kWatcherArgument = "--kde-chord-watcher";
// A killed program's watcher holds the lock for one call of the service at most.
constexpr int kLockTries = 200;
constexpr unsigned long kLockPauseMilliseconds = 10;

// Plain messages rather than QDBusInterface, whose introspection of the service trips over its
// QKeySequence signatures and costs a round trip.
QDBusMessage callService(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeout);
}

QStringList actionId() {
    return {kComponent, kAction, QString::fromWCharArray(texts::kProductName),
            QStringLiteral("Turn scrolling on or off")};
}

// The lock of the chord of this session's shortcut service: a file in the user's runtime folder
// named after the session bus.
qt::UniqueFd openChordLock() {
    const QDBusReply<QString> bus = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
        QDBus::Block, kCallTimeout);
    const QString path = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                         QStringLiteral("/quiet-page-advancer-kde-chord-") + bus.value();
    return qt::UniqueFd(::open(QFile::encodeName(path).constData(),
                               O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
}

// The chord's lock once no one else holds it; none after a while (then the chord is taken all the
// same: a watcher of another program could take the keys back, nothing worse).
qt::UniqueFd takeChordLock() {
    qt::UniqueFd lock = openChordLock();
    for (int tries = 0; lock && tries < kLockTries; ++tries) {
        if (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0) return lock;
        QThread::msleep(kLockPauseMilliseconds);
    }
    return {};
}
}  // namespace

KdeHotkey::KdeHotkey() : actionId_(actionId()), watcher_(kWatcherArgument) {}

KdeHotkey::~KdeHotkey() {
    uninstall();  // a shortcut left active would keep the T from every application
}

bool KdeHotkey::install(KeyEvents& events) {
    uninstall();
    held_ = takeChordLock();
    if (!registerChord()) {
        held_.reset();
        return false;
    }
    sink_ = &events;
    watcher_.start();  // gives the keys back should this process die without closing
    return true;
}

bool KdeHotkey::registerChord() {
    if (callService(QStringLiteral("doRegister"), {actionId_}).type() == QDBusMessage::ErrorMessage)
        return false;
    const QDBusReply<QList<int>> granted =
        callService(QStringLiteral("setShortcut"),
                    {actionId_, QVariant::fromValue(QList<int>{kChord}), kSetPresentNoAutoloading});
    if (!granted.isValid() || !granted.value().contains(kChord)) return false;  // another has it
    const QDBusReply<QDBusObjectPath> component =
        callService(QStringLiteral("getComponent"), {kComponent});
    componentPath_ = component.isValid() ? component.value().path() : QString();
    if (!componentPath_.isEmpty() && connectSignals(true)) return true;
    callService(QStringLiteral("setInactive"), {actionId_});  // taken, yet never heard
    return false;
}

void KdeHotkey::uninstall() {
    if (!sink_) return;
    sink_ = nullptr;
    connectSignals(false);
    press_.released();
    callService(QStringLiteral("setInactive"), {actionId_});  // the keys go back to the others
    held_.reset();
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

std::optional<int> runAsKdeChordWatcher(int argc, char** argv) {
    return qt::runAsEndWatcher(argc, argv, kWatcherArgument, [argc, argv](long long) mutable {
        const QCoreApplication application(argc, argv);  // for Qt's D-Bus
        const qt::UniqueFd lock = openChordLock();
        if (lock && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) return 0;  // a later program's
        callService(QStringLiteral("setInactive"), {actionId()});
        return 0;
    });
}

}  // namespace qpa::kde
