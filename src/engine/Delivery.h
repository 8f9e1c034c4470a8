#pragma once
#include <cstdint>

#include "core/ErrorReport.h"
#include "ports/WindowServices.h"

namespace qpa {

// The scroll method chosen by Option1 to Option6; 0 (or anything else) is none.
using ScrollMethod = std::int16_t;

inline constexpr std::int32_t kWheelUnit = 75;  // this program's wheel step
inline constexpr std::int32_t kPageDelta = 15 * kWheelUnit;
// The desktop's "one screen at a time" wheel setting, as it reads in a signed number.
inline constexpr std::int32_t kScrollOneScreen = -1;

// The wheel delta a method asks for with the given lines per notch. Throws RuntimeError("Overflow")
// when the wheel methods' delta no longer fits the high word of a 32-bit wheel message.
std::int32_t wheelDelta(ScrollMethod method, std::int32_t scrollLines);

// Brings a window to the front and sends it one wheel step.
class ScrollDelivery {
  public:
    ScrollDelivery(WindowServices& windows, ErrorReporter& reporter)
        : windows_(windows), reporter_(reporter) {}

    void SwitchToAndScroll(WindowHandle target, ScrollMethod method);
    // Reads the lines per wheel notch: 3 when the desktop does not say, 0 without a wheel.
    void KnowScrollines();

  private:
    WindowServices& windows_;
    ErrorReporter& reporter_;
    std::int32_t scrollLines_ = 0;
};

}  // namespace qpa
