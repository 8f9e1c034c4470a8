#include "platform/gnome/ExtensionSetup.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "core/Texts.h"
#include "platform/gnome/GnomeRules.h"

namespace qpa::gnome {

namespace {
constexpr int kAnswerWithinMs = 2000;
// An extension the Shell switches on owns its bus name within a second here; on a loaded
// desktop it may take longer.
constexpr int kStartsWithinMs = 5000;

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

bool bridgeRunning() {
    return bus().interface()->isServiceRegistered(QString::fromLatin1(kBridgeBusName));
}

// Waits until the extension owns its name, at most `ms`.
bool waitForBridge(int ms) {
    QDBusServiceWatcher watcher(QString::fromLatin1(kBridgeBusName), bus(),
                                QDBusServiceWatcher::WatchForRegistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (bridgeRunning()) return true;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return bridgeRunning();
}

QDBusMessage shellCall(const QString& interface, const QString& method, const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"), interface, method);
    call.setArguments(args);
    return bus().call(call, QDBus::Block, kAnswerWithinMs);
}

QString shellVersion() {
    const QDBusMessage reply =
        shellCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                  {QStringLiteral("org.gnome.Shell"), QStringLiteral("ShellVersion")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().first().value<QDBusVariant>().variant().toString();
}

const QString kExtensions = QStringLiteral("org.gnome.Shell.Extensions");

QVariantMap extensionInfo(const QString& uuid) {
    const QDBusMessage reply = shellCall(kExtensions, QStringLiteral("GetExtensionInfo"), {uuid});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return qdbus_cast<QVariantMap>(reply.arguments().first());
}

// The extension's build that came with the program: beside the program's share folder, as the
// package installs it (/usr/bin and /usr/share) and as the build folder lays it out.
QString bundledExtension(const QString& uuid) {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/gnome-shell/extensions/") + uuid);
}

bool copyFolder(const QDir& from, const QString& to) {
    if (!QDir().mkpath(to)) return false;
    for (const QString& name : from.entryList(QDir::Files)) {
        QFile::remove(to + QLatin1Char('/') + name);
        if (!QFile::copy(from.filePath(name), to + QLatin1Char('/') + name)) return false;
    }
    for (const QString& name : from.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!copyFolder(QDir(from.filePath(name)), to + QLatin1Char('/') + name)) return false;
    }
    return true;
}

// Copies the bundled build into the user's extensions, whole or not at all: the Shell reads the
// folder at the next log-in and must not find half of it.
bool installForUser(const QString& uuid) {
    const QDir bundled(bundledExtension(uuid));
    if (!bundled.exists(QStringLiteral("metadata.json"))) return false;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/gnome-shell/extensions/");
    const QString target = folder + uuid;
    const QString partial = folder + QStringLiteral(".") + uuid + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    if (!copyFolder(bundled, partial)) {
        QDir(partial).removeRecursively();
        return false;
    }
    QDir(target).removeRecursively();
    return QDir().rename(partial, target);
}

// Adds the extension to the ones the Shell enables at log-in. The Shell's own EnableExtension
// knows only the extensions it found at log-in.
bool enableAtLogin(const QString& uuid) {
    QProcess get;
    get.start(QStringLiteral("gsettings"),
              {QStringLiteral("get"), QStringLiteral("org.gnome.shell"),
               QStringLiteral("enabled-extensions")});
    if (!get.waitForFinished(kAnswerWithinMs) || get.exitCode() != 0) return false;
    const QString list = enabledListWith(QString::fromUtf8(get.readAllStandardOutput()), uuid);
    if (list.isEmpty()) return true;
    QProcess set;
    set.start(QStringLiteral("gsettings"),
              {QStringLiteral("set"), QStringLiteral("org.gnome.shell"),
               QStringLiteral("enabled-extensions"), list});
    return set.waitForFinished(kAnswerWithinMs) && set.exitCode() == 0;
}

std::wstring failed(const QString& why) {
    return texts::kGnomeExtensionFailedPrefix + why.toStdWString() +
           texts::kGnomeExtensionFailedSuffix;
}
}  // namespace

std::optional<std::wstring> prepareShellExtension() {
    if (bridgeRunning()) return std::nullopt;
    const QString version = shellVersion();
    if (version.isEmpty()) return failed(QStringLiteral("GNOME Shell does not answer."));
    const QString uuid = extensionFor(version);
    const QVariantMap info = extensionInfo(uuid);
    switch (extensionState(info)) {
        case ExtensionState::Running:
            if (waitForBridge(kStartsWithinMs)) return std::nullopt;
            return failed(QStringLiteral("it is switched on but does not answer."));
        case ExtensionState::Off:
            shellCall(kExtensions, QStringLiteral("EnableExtension"), {uuid});
            if (waitForBridge(kStartsWithinMs)) return std::nullopt;
            return failed(
                QStringLiteral("GNOME did not switch it on (extensions may be turned off "
                               "in GNOME's Extensions application)."));
        case ExtensionState::Failed:
            return failed(info.value(QStringLiteral("error")).toString());
        case ExtensionState::Outdated:
            return failed(QStringLiteral("it was not made for GNOME Shell ") + version +
                          QLatin1Char('.'));
        case ExtensionState::Unknown:
            break;
    }
    // GNOME looks for extensions only at log-in: a new one runs after the next. One installed
    // already (the package's, an earlier start's) is left as it is.
    const bool present =
        !QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("gnome-shell/extensions/") + uuid,
                                   QStandardPaths::LocateDirectory)
             .isEmpty();
    if (!present && !installForUser(uuid)) {
        return failed(
            QStringLiteral("its files could not be installed into your extensions folder."));
    }
    if (!enableAtLogin(uuid)) return failed(QStringLiteral("it could not be switched on."));
    return std::wstring(texts::kGnomeLogInOnce);
}

}  // namespace qpa::gnome
