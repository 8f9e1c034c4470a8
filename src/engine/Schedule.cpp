#include "engine/Schedule.h"

#include <cstdlib>

#include "core/Numeric.h"
#include "core/RuntimeError.h"

namespace qpa {

void Schedule::placeCursor(Scope scope, int count, int selected) {
    if (scope == Scope::AvailableWindows) {
        if (windowCursor <= 0) windowCursor = 1;
        if (windowCursor > count) windowCursor = static_cast<std::int16_t>(count);
    } else if (scope == Scope::SelectedWindow) {
        windowCursor = static_cast<std::int16_t>(selected > 0 ? selected : 1);
    }
}

void Schedule::advanceCursor(Scope scope, int count) {
    if (scope != Scope::AvailableWindows) return;
    ++windowCursor;
    if (windowCursor > count) windowCursor = 1;
}

std::int32_t Schedule::remainingSeconds() const {
    const std::int64_t remaining = std::int64_t{periodSeconds} - elapsedSeconds;
    if (remaining < INT32_MIN || remaining > INT32_MAX) throw RuntimeError(kOverflow);
    return static_cast<std::int32_t>(remaining);
}

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
