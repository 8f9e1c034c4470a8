#pragma once
#include <cstdint>
#include <string>

namespace qpa {

// Which windows the schedule scrolls: Option7, Option8, or neither option chosen.
enum class Scope { AvailableWindows, SelectedWindow, None };

// The schedule's state, kept for the life of the process.
struct Schedule {
    std::int32_t elapsedSeconds = 0;  // ticks since the last scroll; survives Off and On
    std::int32_t periodSeconds = 0;   // recomputed from the two fields at every tick
    std::int16_t windowCursor = 0;    // 1-based position in the list for the two scopes

    // At the start of a tick: through the list, the cursor is kept within it (clamped, not
    // wrapped); on the selected window, it stands on the selection (the first entry for none).
    void placeCursor(Scope scope, int count, int selected);
    // After a scroll through the list, the cursor moves on, wrapping after the last entry.
    void advanceCursor(Scope scope, int count);
    // The period less the elapsed count; throws RuntimeError("Overflow") beyond 32 bits.
    std::int32_t remainingSeconds() const;
};

// The time of day that |seconds| make, as "hh:mm:ss", hours wrapping at 24.
std::wstring FormatCountdown(std::int32_t seconds);

// minutes x 60 + seconds from the two field texts, rounded halves to even. Throws
// RuntimeError("Overflow") when it leaves 32 bits and "Type mismatch" for a text that is no number.
std::int32_t periodFromFields(const std::wstring& minutes, const std::wstring& seconds,
                              wchar_t decimalSeparator);

}  // namespace qpa
