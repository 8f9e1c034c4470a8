#include "engine/Schedule.h"

#include <cstdlib>

#include "app/Numeric.h"
#include "app/RuntimeError.h"

namespace qpa {

std::wstring FormatCountdown(std::int32_t seconds) {
    const std::int64_t s = std::llabs(std::int64_t{seconds}) % 86400;
    const auto twoDigits = [](std::int64_t n) { return (n < 10 ? L"0" : L"") + integerText(n); };
    return twoDigits(s / 3600) + L":" + twoDigits(s / 60 % 60) + L":" + twoDigits(s % 60);
}

std::int32_t periodFromFields(const std::wstring& minutes, const std::wstring& seconds,
                              wchar_t decimalSeparator) {
    const auto m = parseDecimal(minutes, decimalSeparator);
    const auto s = parseDecimal(seconds, decimalSeparator);
    if (!m || !s) throw RuntimeError(kTypeMismatch);
    return roundToInt32(*m * 60.0 + *s);
}

}  // namespace qpa
