#pragma once
#include <cstdint>

#include "app/ErrorReport.h"
#include "platform/WindowServices.h"

namespace qpa {

// The scroll method chosen by Option1 to Option6; 0 (or anything else) is none.
using ScrollMethod = std::int16_t;

inline constexpr std::int32_t kWheelUnit = 75;  // this program's wheel step
inline constexpr std::int32_t kPageDelta = 15 * kWheelUnit;
inline constexpr std::int32_t kWheelPointerPosition = 50;  // x 50, y 0 in the second parameter
inline constexpr int kShowNormal = 5;
// The platform's "one screen at a time" wheel setting, as it reads in a signed number.
inline constexpr std::int32_t kScrollOneScreen = -1;

// The wheel delta (high word) a method asks for with the given lines per notch. Throws
// RuntimeError("Overflow") when the wheel methods' product leaves 32 bits.
std::int32_t wheelDelta(ScrollMethod method, std::int32_t scrollLines);
// The first message parameter: the delta in the high 16 bits, 0 in the low 16.
std::int32_t wheelParameter(std::int32_t delta);

// Brings a window to the front and sends it one wheel step.
class ScrollDelivery {
  public:
    ScrollDelivery(WindowServices& windows, ErrorReporter& reporter)
        : windows_(windows), reporter_(reporter) {}

    void SwitchToAndScroll(WindowHandle target, int showCommand, ScrollMethod method);
    // Reads the lines per wheel notch: 3 when the platform does not say, 0 without a wheel.
    void KnowScrollines();
    void SetTopmost(WindowHandle window, bool topmost);

    std::int32_t scrollLines() const { return scrollLines_; }

  private:
    WindowServices& windows_;
    ErrorReporter& reporter_;
    std::int32_t scrollLines_ = 0;
};

}  // namespace qpa
