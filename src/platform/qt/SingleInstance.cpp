#include "platform/qt/SingleInstance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <optional>

namespace qpa::qt {

namespace {
constexpr int kAnswerMilliseconds = 1000;

// The display this program shows on: two private X displays (or two Wayland sessions) of one
// user each get their own program.
QString displayKey() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) display = QStringLiteral("none");
    for (QChar& c : display) {
        const bool safe = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                          (c >= u'0' && c <= u'9') || c == u'.' || c == u'_' || c == u'-';
        if (!safe) c = u'_';
    }
    return display;
}

// The socket's address; none when the path is longer than an address holds.
std::optional<sockaddr_un> addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return address;
}

// Never blocking: a start waits for a hung program at most kAnswerMilliseconds, and the
// notifier's call takes every waiting start and returns when none is left.
UniqueFd localSocket() {
    return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}
}  // namespace

SingleInstance::SingleInstance()
    // $XDG_RUNTIME_DIR: private to the user and emptied at logout.
    : path_(QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                              QStringLiteral("/quiet-page-advancer-") + displayKey())) {}

SingleInstance::~SingleInstance() {
    if (listener_) ::unlink(path_.constData());
}

bool SingleInstance::claim(std::function<void()> comeForward) {
    comeForward_ = std::move(comeForward);
    if (askRunningProgram()) return false;
    if (listen()) return true;
    // A socket is there: a start at the same moment may have just taken it; otherwise it was
    // left behind by a program that was killed.
    if (askRunningProgram()) return false;
    ::unlink(path_.constData());
    // Without a socket (no runtime folder, say) the program still runs, unguarded.
    listen();
    return true;
}

bool SingleInstance::askRunningProgram() const {
    const auto address = addressOf(path_);
    const UniqueFd socket = localSocket();
    if (!address || !socket) return false;
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0)
        return errno == EAGAIN;  // a program is there, with starts queued that it has not taken
    // The connection itself is the request; the running program closes it once it has taken it.
    pollfd closed{socket.get(), POLLIN, 0};
    ::poll(&closed, 1, kAnswerMilliseconds);
    return true;
}

bool SingleInstance::listen() {
    const auto address = addressOf(path_);
    UniqueFd socket = localSocket();
    if (!address || !socket) return false;
    // Only this user may ask: the socket is made without rights for others.
    const mode_t previous = ::umask(0077);
    const bool bound =
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    ::umask(previous);
    if (!bound || ::listen(socket.get(), 8) != 0) return false;
    listener_ = std::move(socket);
    laterStarts_ = std::make_unique<QSocketNotifier>(listener_.get(), QSocketNotifier::Read);
    QObject::connect(laterStarts_.get(), &QSocketNotifier::activated, laterStarts_.get(),
                     [this] { answerLaterStarts(); });
    return true;
}

void SingleInstance::answerLaterStarts() {
    while (true) {
        const UniqueFd peer(::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!peer) return;
        if (comeForward_) comeForward_();
    }
}

}  // namespace qpa::qt
