#include "platform/qt/SingleInstance.h"

#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>

namespace qpa::qt {

namespace {
constexpr int kAnswerMilliseconds = 1000;

// The display this program shows on: two private X displays (or two Wayland sessions) of one
// user each get their own program.
QString displayKey() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) display = QStringLiteral("none");
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return display.replace(unsafe, QStringLiteral("_"));
}
}  // namespace

SingleInstance::SingleInstance() {
    // $XDG_RUNTIME_DIR: private to the user and emptied at logout.
    name_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
            QStringLiteral("/quiet-page-advancer-") + displayKey();
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            peer->disconnectFromServer();
            peer->deleteLater();
            if (comeForward_) comeForward_();
        }
    });
}

bool SingleInstance::claim(std::function<void()> comeForward) {
    comeForward_ = std::move(comeForward);
    if (askRunningProgram()) return false;
    if (server_.listen(name_)) return true;
    // A socket is there: a start at the same moment may have just taken it; otherwise it was
    // left behind by a program that was killed.
    if (askRunningProgram()) return false;
    QLocalServer::removeServer(name_);
    // Without a socket (no runtime folder, say) the program still runs, unguarded.
    server_.listen(name_);
    return true;
}

bool SingleInstance::askRunningProgram() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerMilliseconds)) return false;
    // The connection itself is the request; wait until the running program has taken it.
    socket.waitForDisconnected(kAnswerMilliseconds);
    return true;
}

}  // namespace qpa::qt
