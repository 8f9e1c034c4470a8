#include "engine/Schedule.h"

#include <cstdio>
#include <cstdlib>

#include "app/Numeric.h"
#include "app/RuntimeError.h"

namespace qpa {

std::wstring FormatCountdown(std::int32_t seconds) {
    const std::int64_t s = std::llabs(std::int64_t{seconds}) % 86400;
    wchar_t text[16];
    std::swprintf(text, 16, L"%02d:%02d:%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    return text;
}

std::int32_t periodFromFields(const std::wstring& minutes, const std::wstring& seconds,
                              wchar_t decimalSeparator) {
    const auto m = parseDecimal(minutes, decimalSeparator);
    const auto s = parseDecimal(seconds, decimalSeparator);
    if (!m || !s) throw RuntimeError(kTypeMismatch);
    return roundToInt32(*m * 60.0 + *s);
}

}  // namespace qpa
