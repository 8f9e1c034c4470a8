#include "platform/gnome/ShellBridge.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

#include "core/Texts.h"

namespace qpa::gnome {

namespace {
// The Shell answers within a millisecond or two (a step within a frame); a Shell that takes
// longer is busy redrawing the whole desktop, and a step may as well be skipped as keep our window
// waiting.
constexpr int kAnswerWithinMs = 1000;

bool firstIsTrue(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toBool();
}
}  // namespace

ShellBridge::ShellBridge(std::function<void(const std::wstring&)> tell)
    : bus_(QDBusConnection::sessionBus()), tell_(std::move(tell)) {
    // The extension tells our program from others by this name (and by the program's file); a
    // second start of the program never gets this far (it hands over to the first one). Queued
    // behind another owner, the program gets the name once that one has gone.
    const auto registered = bus_.interface()->registerService(
        QString::fromLatin1(kProgramBusName), QDBusConnectionInterface::QueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (registered.value() != QDBusConnectionInterface::ServiceRegistered) tellNameTaken();
    // An extension that answers speaks this program's version of the interface, or GNOME still
    // runs another release's until the next log-in.
    QDBusMessage version = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBridgeBusName), QString::fromLatin1(kBridgePath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version.setArguments({QString::fromLatin1(kBridgeInterface), QStringLiteral("Version")});
    const QDBusMessage reply = bus_.call(version, QDBus::Block, kAnswerWithinMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
        reply.arguments().first().value<QDBusVariant>().variant().toUInt() != kBridgeVersion) {
        tellOnce(Trouble::OtherVersion, texts::kGnomeExtensionOtherVersion);
    }
}

ShellBridge::~ShellBridge() {
    bus_.unregisterService(QString::fromLatin1(kProgramBusName));
}

void ShellBridge::tellNameTaken() {
    tellOnce(Trouble::NameTaken, texts::kGnomeNameTakenPrefix +
                                     QString::fromLatin1(kProgramBusName).toStdWString() +
                                     texts::kGnomeNameTakenSuffix);
}

void ShellBridge::tellOnce(Trouble trouble, const std::wstring& why) {
    bool& told = told_[static_cast<int>(trouble)];
    if (told || !tell_) return;
    told = true;
    tell_(extensionTrouble(why));
}

QDBusMessage ShellBridge::call(const char* method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBridgeBusName), QString::fromLatin1(kBridgePath),
        QString::fromLatin1(kBridgeInterface), QString::fromLatin1(method));
    message.setArguments(arguments);
    const QDBusMessage reply = bus_.call(message, QDBus::Block, kAnswerWithinMs);
    if (reply.type() == QDBusMessage::ErrorMessage &&
        reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")) {
        // Refused while another program holds the name: that is the one trouble to tell.
        if (bus_.interface()->serviceOwner(QString::fromLatin1(kProgramBusName)).value() ==
            bus_.baseService()) {
            tellOnce(Trouble::Refused, texts::kGnomeExtensionRefusesPrefix +
                                           reply.errorMessage().toStdWString() +
                                           texts::kGnomeExtensionRefusesSuffix);
        } else {
            tellNameTaken();
        }
    }
    return reply;
}

std::optional<std::vector<ShellWindow>> ShellBridge::windows() {
    const QDBusMessage reply = call("ListWindows", {});
    if (reply.type() != QDBusMessage::ReplyMessage) return std::nullopt;
    // Read only what has the shape this program knows: another version's list would be misread.
    if (reply.signature() != QLatin1String(kWindowListSignature)) {
        tellOnce(Trouble::OtherVersion, texts::kGnomeExtensionOtherVersion);
        return std::nullopt;
    }
    const auto list = reply.arguments().first().value<QDBusArgument>();
    std::vector<ShellWindow> windows;
    list.beginArray();
    while (!list.atEnd()) {
        ShellWindow w;
        list.beginStructure();
        list >> w.id >> w.title >> w.pid >> w.canMaximise >> w.minimised;
        list.endStructure();
        windows.push_back(std::move(w));
    }
    list.endArray();
    return windows;
}

bool ShellBridge::activate(quint64 id) {
    return firstIsTrue(call("Activate", {QVariant::fromValue(id)}));
}

void ShellBridge::setAbove(quint64 id, bool above) {
    call("SetAbove", {QVariant::fromValue(id), above});
}

bool ShellBridge::scroll(quint64 id, int notchesDown) {
    return firstIsTrue(call("Scroll", {QVariant::fromValue(id), notchesDown}));
}

}  // namespace qpa::gnome
