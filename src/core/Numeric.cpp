#include "core/Numeric.h"

#include <charconv>
#include <cmath>

#include "core/RuntimeError.h"

namespace qpa {

namespace {
bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == 0xA0;
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
}  // namespace

std::optional<double> parseDecimal(const std::wstring& text, wchar_t decimalSeparator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;

    std::string ascii;  // the number rewritten for from_chars: [-]digits[.digits]
    std::size_t i = begin;
    if (i < end && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') ascii.push_back('-');
        ++i;
    }
    int digits = 0;
    bool seenSeparator = false;
    for (; i < end; ++i) {
        const wchar_t c = text[i];
        if (isDigit(c)) {
            ascii.push_back(static_cast<char>(c));
            ++digits;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            if (digits == 0) ascii.push_back('0');  // ".5" reads as "0.5"
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    if (ascii.back() == '.') ascii.pop_back();
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Still a number: either too large for a double, or too close to zero for one.
        const auto whole = ascii.substr(0, ascii.find('.'));
        const bool large = whole.find_first_of("123456789") != std::string::npos;
        const double magnitude = large ? HUGE_VAL : 0.0;
        return ascii.front() == '-' ? -magnitude : magnitude;
    }
    if (result.ec != std::errc{}) return std::nullopt;
    return value;
}

std::wstring integerText(long long value) {
    // Counted in the negative range, which holds the lowest value too.
    const bool negative = value < 0;
    long long rest = negative ? value : -value;
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' - rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (negative) digits.insert(digits.begin(), L'-');
    return digits;
}

std::int32_t roundToInt32(double value) {
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw RuntimeError(kOverflow);
    return static_cast<std::int32_t>(rounded);
}

}  // namespace qpa
