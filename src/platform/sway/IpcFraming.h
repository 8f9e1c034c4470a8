#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The framing of sway's IPC (the i3 one): "i3-ipc", then the payload's length and the message
// type as 32-bit little-endian numbers, then the payload (JSON).
namespace qpa::sway {

namespace ipc {
inline constexpr std::uint32_t kRunCommand = 0;
inline constexpr std::uint32_t kSubscribe = 2;
inline constexpr std::uint32_t kGetOutputs = 3;
inline constexpr std::uint32_t kGetTree = 4;
inline constexpr std::uint32_t kGetConfig = 9;
// Events carry the high bit; the rest is the event's number.
inline constexpr std::uint32_t kEventBit = 0x80000000u;
inline constexpr std::uint32_t kWorkspaceEvent = kEventBit | 0;
inline constexpr std::uint32_t kWindowEvent = kEventBit | 3;
inline constexpr std::uint32_t kBindingEvent = kEventBit | 5;
}  // namespace ipc

struct IpcMessage {
    std::uint32_t type = 0;
    std::string payload;
};

// One message as it goes on the socket.
std::string encodeIpc(std::uint32_t type, std::string_view payload);

// Cuts whole messages out of the bytes read so far, however the reads split them.
class IpcReader {
  public:
    // Adds bytes as they came from the socket.
    void feed(std::string_view bytes) { buffer_.append(bytes); }
    // The next whole message, or nothing until more bytes come (or for good once broken()).
    std::optional<IpcMessage> next();
    // The bytes were not i3-ipc: the connection cannot be read any further.
    bool broken() const { return broken_; }

  private:
    std::string buffer_;
    bool broken_ = false;
};

}  // namespace qpa::sway
