#include "platform/sway/IpcFraming.h"

namespace qpa::sway {

namespace {
constexpr std::string_view kMagic = "i3-ipc";
constexpr std::size_t kHeaderSize = kMagic.size() + 8;
// Far beyond any tree sway sends; a larger length means the stream is out of step.
constexpr std::uint32_t kLargestPayload = 64u << 20;

void putLittleEndian(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

std::uint32_t littleEndianAt(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}
}  // namespace

std::string encodeIpc(std::uint32_t type, std::string_view payload) {
    std::string out(kMagic);
    putLittleEndian(out, static_cast<std::uint32_t>(payload.size()));
    putLittleEndian(out, type);
    out.append(payload);
    return out;
}

std::optional<IpcMessage> IpcReader::next() {
    if (broken_ || buffer_.size() < kHeaderSize) return std::nullopt;
    const std::string_view bytes(buffer_);
    const std::uint32_t length = littleEndianAt(bytes, kMagic.size());
    if (bytes.substr(0, kMagic.size()) != kMagic || length > kLargestPayload) {
        broken_ = true;
        buffer_.clear();
        return std::nullopt;
    }
    if (buffer_.size() < kHeaderSize + length) return std::nullopt;
    IpcMessage message{littleEndianAt(bytes, kMagic.size() + 4),
                       buffer_.substr(kHeaderSize, length)};
    buffer_.erase(0, kHeaderSize + length);
    return message;
}

}  // namespace qpa::sway
