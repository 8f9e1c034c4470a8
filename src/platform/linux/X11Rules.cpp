#include "platform/linux/X11Rules.h"

#include <cmath>
#include <cstdlib>

namespace qpa::x11 {

std::wstring decodeUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not text.
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid &&
            (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
            valid = false;
        if (!valid) {
            text.push_back(L'\uFFFD');
            ++i;
            continue;
        }
        if constexpr (sizeof(wchar_t) == 2) {
            if (code >= 0x10000) {
                code -= 0x10000;
                text.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
                text.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
                i += static_cast<std::size_t>(length);
                continue;
            }
        }
        text.push_back(static_cast<wchar_t>(code));
        i += static_cast<std::size_t>(length);
    }
    return text;
}

std::wstring decodeLatin1(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return text;
}

int wheelClicks(std::int32_t delta) {
    if (delta == 0) return 0;
    const double notches = std::fabs(static_cast<double>(delta)) / 120.0;
    const int rounded = static_cast<int>(std::lround(notches));
    return rounded < 1 ? 1 : rounded;
}

std::uint32_t styleBits(bool listed, bool withdrawn, bool maximizeHorizontally,
                        bool maximizeVertically) {
    std::uint32_t style = 0;
    if (listed && !withdrawn) style |= 0x10000000;
    if (maximizeHorizontally && maximizeVertically) style |= 0x00010000;
    return style;
}

}  // namespace qpa::x11
