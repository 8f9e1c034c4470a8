#include "platform/gnome/ShellBridge.h"

#include <QDBusArgument>
#include <QDBusMessage>

namespace qpa::gnome {

namespace {
// The Shell answers within a millisecond or two; a Shell that takes longer is busy redrawing the
// whole desktop, and a step may as well be skipped as keep our window waiting.
constexpr int kAnswerWithinMs = 1000;

QDBusMessage bridgeCall(const char* method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBridgeBusName), QString::fromLatin1(kBridgePath),
        QString::fromLatin1(kBridgeInterface), QString::fromLatin1(method));
    message.setArguments(arguments);
    return message;
}

bool firstIsTrue(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toBool();
}
}  // namespace

ShellBridge::ShellBridge() : bus_(QDBusConnection::sessionBus()) {
    // The extension tells our program from others by this name; a second start of the program
    // never gets this far (it hands over to the first one).
    bus_.registerService(QString::fromLatin1(kProgramBusName));
}

ShellBridge::~ShellBridge() {
    bus_.unregisterService(QString::fromLatin1(kProgramBusName));
}

std::optional<std::vector<ShellWindow>> ShellBridge::windows() {
    const QDBusMessage reply =
        bus_.call(bridgeCall("ListWindows", {}), QDBus::Block, kAnswerWithinMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const auto list = reply.arguments().first().value<QDBusArgument>();
    std::vector<ShellWindow> windows;
    list.beginArray();
    while (!list.atEnd()) {
        ShellWindow w;
        int x = 0, y = 0, width = 0, height = 0;
        list.beginStructure();
        list >> w.id >> w.title >> w.pid >> w.canMaximise >> w.minimised >> x >> y >> width >>
            height;
        list.endStructure();
        w.frame = QRect(x, y, width, height);
        windows.push_back(std::move(w));
    }
    list.endArray();
    return windows;
}

bool ShellBridge::activate(quint64 id) {
    return firstIsTrue(bus_.call(bridgeCall("Activate", {QVariant::fromValue(id)}), QDBus::Block,
                                 kAnswerWithinMs));
}

void ShellBridge::setAbove(quint64 id, bool above) {
    bus_.call(bridgeCall("SetAbove", {QVariant::fromValue(id), above}), QDBus::Block,
              kAnswerWithinMs);
}

bool ShellBridge::scroll(quint64 id, int notchesDown) {
    return firstIsTrue(bus_.call(bridgeCall("Scroll", {QVariant::fromValue(id), notchesDown}),
                                 QDBus::Block, kAnswerWithinMs));
}

}  // namespace qpa::gnome
