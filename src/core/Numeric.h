#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace qpa {

// A decimal number as the user types it: blanks around, an optional sign, digits with an optional
// fraction after the locale's decimal separator. An empty text is no number.
std::optional<double> parseDecimal(const std::wstring& text, wchar_t decimalSeparator);

inline bool isNumeric(const std::wstring& text, wchar_t decimalSeparator) {
    return parseDecimal(text, decimalSeparator).has_value();
}

// A whole number in decimal digits, with "-" when negative ("-12").
std::wstring integerText(long long value);

// Rounds to the nearest whole number, halves to the even neighbour, and checks that it fits a
// signed 32-bit number; throws RuntimeError("Overflow") when it does not.
std::int32_t roundToInt32(double value);

}  // namespace qpa
