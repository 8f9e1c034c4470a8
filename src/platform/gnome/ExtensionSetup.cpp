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

QString userExtensions() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/gnome-shell/extensions/");
}

// Copies the bundled build into the user's extensions, whole or not at all (the Shell reads the
// folder at the next log-in and must not find half of it), naming this program as the one that
// installed it: the extension answers it then.
bool installForUser(const QString& uuid) {
    const QDir bundled(bundledExtension(uuid));
    if (!bundled.exists(QStringLiteral("metadata.json"))) return false;
    const QString target = userExtensions() + uuid;
    const QString partial =
        userExtensions() + QStringLiteral(".") + uuid + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    QFile installedBy(partial + QLatin1Char('/') + QLatin1String(kInstalledByFile));
    if (!copyFolder(bundled, partial) || !installedBy.open(QIODevice::WriteOnly) ||
        installedBy.write(QCoreApplication::applicationFilePath().toUtf8() + '\n') < 0 ||
        !installedBy.flush()) {
        QDir(partial).removeRecursively();
        return false;
    }
    installedBy.close();
    QDir(target).removeRecursively();
    return QDir().rename(partial, target);
}

QByteArray metadataOf(const QString& folder) {
    QFile file(folder + QStringLiteral("/metadata.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy in the user's folder (an earlier release put it there) shadows every other: one older
// than the build that came with this program is replaced by that build.
void updateOlderUserCopy(const QString& uuid) {
    const QByteArray installed = metadataOf(userExtensions() + uuid);
    if (!installed.isEmpty() &&
        metadataVersion(installed) < metadataVersion(metadataOf(bundledExtension(uuid)))) {
        installForUser(uuid);
    }
}

// What gsettings printed; nothing when it failed.
std::optional<QString> gsettings(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(kAnswerWithinMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString shellSetting(const char* key) {
    return gsettings(
               {QStringLiteral("get"), QStringLiteral("org.gnome.shell"), QString::fromLatin1(key)})
        .value_or(QString());
}

// Adds the extension to the ones the Shell enables at log-in. The Shell's own EnableExtension
// knows only the extensions it found at log-in.
bool enableAtLogin(const QString& uuid) {
    const QString printed = shellSetting("enabled-extensions");
    if (printed.isEmpty()) return false;
    const QString list = enabledListWith(printed, uuid);
    return list.isEmpty() || gsettings({QStringLiteral("set"), QStringLiteral("org.gnome.shell"),
                                        QStringLiteral("enabled-extensions"), list});
}

// The user switched it off (GNOME's Extensions application keeps it in the disabled list), or
// every extension: the program leaves it so and says how to switch it on.
std::optional<std::wstring> switchedOffReason(const QString& uuid) {
    if (shellSetting("disable-user-extensions") == QLatin1String("true"))
        return texts::kGnomeExtensionsAllOff;
    if (printedList(shellSetting("disabled-extensions")).contains(uuid))
        return texts::kGnomeExtensionSwitchedOff;
    return std::nullopt;
}

std::wstring failed(const std::wstring& why) {
    return extensionTrouble(why);
}
}  // namespace

std::optional<std::wstring> prepareShellExtension() {
    const QString version = shellVersion();
    if (version.isEmpty()) return failed(texts::kGnomeShellSilent);
    const QString uuid = extensionFor(version);
    updateOlderUserCopy(uuid);
    if (bridgeRunning()) return std::nullopt;
    const QVariantMap info = extensionInfo(uuid);
    switch (extensionState(info)) {
        case ExtensionState::Running:
            if (waitForBridge(kStartsWithinMs)) return std::nullopt;
            return failed(texts::kGnomeExtensionSilent);
        case ExtensionState::Off:
            if (const auto reason = switchedOffReason(uuid)) return failed(*reason);
            shellCall(kExtensions, QStringLiteral("EnableExtension"), {uuid});
            if (waitForBridge(kStartsWithinMs)) return std::nullopt;
            return failed(texts::kGnomeExtensionNotSwitchedOn);
        case ExtensionState::Failed:
            return failed(texts::kGnomeExtensionErrorPrefix +
                          info.value(QStringLiteral("error")).toString().toStdWString() +
                          texts::kGnomeExtensionErrorSuffix);
        case ExtensionState::Outdated:
            return failed(texts::kGnomeExtensionOutdatedPrefix + version.toStdWString() +
                          texts::kGnomeExtensionOutdatedSuffix);
        case ExtensionState::Unknown:
            break;
    }
    if (const auto reason = switchedOffReason(uuid)) return failed(*reason);
    // GNOME looks for extensions only at log-in: a new one runs after the next. One installed
    // already (the package's, an earlier start's) is left as it is.
    const bool present =
        !QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("gnome-shell/extensions/") + uuid,
                                   QStandardPaths::LocateDirectory)
             .isEmpty();
    if (!present && !installForUser(uuid)) return failed(texts::kGnomeExtensionNotCopied);
    if (!enableAtLogin(uuid)) return failed(texts::kGnomeExtensionNotEnabled);
    return std::wstring(texts::kGnomeLogInOnce);
}

}  // namespace qpa::gnome
