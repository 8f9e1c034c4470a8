#pragma once
#include <cstdint>
#include <string>

namespace qpa {

// The schedule's state, kept for the life of the process.
struct Schedule {
    std::int32_t elapsedSeconds = 0;  // ticks since the last scroll; survives Off and On
    std::int32_t periodSeconds = 0;   // recomputed from the two fields at every tick
    std::int16_t windowCursor = 0;    // 1-based position in the list for the two scopes
};

// The time of day that |seconds| make, as "hh:mm:ss", hours wrapping at 24.
std::wstring FormatCountdown(std::int32_t seconds);

// minutes x 60 + seconds from the two field texts, rounded halves to even. Throws
// RuntimeError("Overflow") when it leaves 32 bits and "Type mismatch" for a text that is no number.
std::int32_t periodFromFields(const std::wstring& minutes, const std::wstring& seconds,
                              wchar_t decimalSeparator);

}  // namespace qpa
