#include "platform/qt/WidgetsWithoutOpenGl.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstring>

namespace qpa::qt {

namespace {
// No integration of that name exists: Qt loads none and says so.
constexpr char kNoIntegration[] = "none";

QtMessageHandler defaultHandler = nullptr;

void withoutIntegrationWarnings(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtWarningMsg && context.category &&
        std::strcmp(context.category, "qt.qpa.wayland") == 0 &&
        message.contains(QLatin1String("client buffer integration"))) {
        return;
    }
    defaultHandler(type, context, message);
}
}  // namespace

void leaveOutOpenGlIntegration() {
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")) return;
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", kNoIntegration);
    defaultHandler = qInstallMessageHandler(&withoutIntegrationWarnings);
}

}  // namespace qpa::qt
