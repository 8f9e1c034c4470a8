#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "platform/qt/UniqueFd.h"
#include "platform/sway/IpcFraming.h"

namespace qpa::sway {

// One connection to sway's IPC socket. It connects when first used and again after a failure;
// no call waits longer than a short while for a compositor that does not answer.
class SwayIpc {
  public:
    explicit SwayIpc(std::string socketPath) : path_(std::move(socketPath)) {}

    // Sends a message and returns the payload of its reply; nothing when sway did not answer in
    // time (the connection is then closed, since a late reply would come out of step).
    std::optional<std::string> request(std::uint32_t type, std::string_view payload);
    // A RUN_COMMAND whose every command succeeded.
    bool run(std::string_view command);

    // The socket to watch for events once subscribed; -1 when not connected.
    int fd() const { return socket_.get(); }
    // Reads what has arrived without waiting; false when the connection has ended.
    bool readAvailable();
    // The next event read so far, or nothing.
    std::optional<IpcMessage> nextEvent();
    void close();

  private:
    bool connect();
    bool writeAll(std::string_view bytes, std::chrono::steady_clock::time_point deadline);
    enum class Read { Data, Nothing, Ended };
    // One read without waiting.
    Read readOnce();

    std::string path_;
    qt::UniqueFd socket_;
    IpcReader reader_;
    std::deque<IpcMessage> events_;
};

}  // namespace qpa::sway
