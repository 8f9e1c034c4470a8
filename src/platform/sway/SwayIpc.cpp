#include "platform/sway/SwayIpc.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cerrno>
#include <cstring>

#include "platform/sway/SwayReplies.h"
#include "platform/wayland/Deadline.h"

namespace qpa::sway {

namespace {
// sway answers in about a millisecond; a compositor that takes this long is treated as gone.
constexpr std::chrono::milliseconds kReplyWait{250};
}  // namespace

bool SwayIpc::connect() {
    if (socket_) return true;
    sockaddr_un address{};
    if (path_.empty() || path_.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.data(), path_.size());
    qt::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd ||
        ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return false;
    socket_ = std::move(fd);
    reader_ = IpcReader();
    events_.clear();
    return true;
}

void SwayIpc::close() {
    socket_.reset();
    reader_ = IpcReader();
    events_.clear();
}

bool SwayIpc::writeAll(std::string_view bytes, std::chrono::steady_clock::time_point deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && errno != EAGAIN) return false;
        pollfd p{socket_.get(), POLLOUT, 0};
        if (::poll(&p, 1, wayland::millisecondsUntil(deadline)) <= 0) return false;
    }
    return true;
}

SwayIpc::Read SwayIpc::readOnce() {
    char buffer[65536];
    const ssize_t got = ::recv(socket_.get(), buffer, sizeof(buffer), MSG_DONTWAIT);
    if (got > 0) {
        reader_.feed({buffer, static_cast<std::size_t>(got)});
        return reader_.broken() ? Read::Ended : Read::Data;
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return Read::Nothing;
    return Read::Ended;  // 0: sway closed the connection
}

std::optional<std::string> SwayIpc::request(std::uint32_t type, std::string_view payload) {
    if (!connect()) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + kReplyWait;
    if (writeAll(encodeIpc(type, payload), deadline)) {
        while (true) {
            while (auto message = reader_.next()) {
                if (message->type == type) return std::move(message->payload);
                events_.push_back(std::move(*message));  // an event that came before the reply
            }
            pollfd p{socket_.get(), POLLIN, 0};
            if (::poll(&p, 1, wayland::millisecondsUntil(deadline)) <= 0 ||
                readOnce() == Read::Ended)
                break;
        }
    }
    close();
    return std::nullopt;
}

bool SwayIpc::run(std::string_view command) {
    const auto reply = request(ipc::kRunCommand, command);
    return reply && succeeded(*reply);
}

bool SwayIpc::readAvailable() {
    if (!socket_) return false;
    Read read = Read::Data;
    while ((read = readOnce()) == Read::Data) {
    }
    while (auto message = reader_.next()) events_.push_back(std::move(*message));
    if (read != Read::Ended) return true;
    socket_.reset();  // the events read before the end stay to be taken
    reader_ = IpcReader();
    return false;
}

std::optional<IpcMessage> SwayIpc::nextEvent() {
    if (events_.empty()) return std::nullopt;
    IpcMessage event = std::move(events_.front());
    events_.pop_front();
    return event;
}

}  // namespace qpa::sway
