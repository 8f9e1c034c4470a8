#include "engine/Delivery.h"

#include <limits>

#include "core/RuntimeError.h"

namespace qpa {

namespace {
std::int32_t timesUnit(std::int32_t sign, std::int32_t scrollLines) {
    if (scrollLines == kScrollOneScreen) return sign * kPageDelta;  // a page, in the method's way
    // The delta travels in the high word of a 32-bit message parameter.
    const std::int64_t parameter = std::int64_t{sign} * kWheelUnit * 65536 * scrollLines;
    if (parameter > std::numeric_limits<std::int32_t>::max() ||
        parameter < std::numeric_limits<std::int32_t>::min()) {
        throw RuntimeError(kOverflow);
    }
    return sign * kWheelUnit * scrollLines;
}
}  // namespace

std::int32_t wheelDelta(ScrollMethod method, std::int32_t scrollLines) {
    switch (method) {
        case 1:
            return -kWheelUnit;
        case 2:
            return -kPageDelta;
        case 3:
            return timesUnit(-1, scrollLines);
        case 4:
            return kWheelUnit;
        case 5:
            return kPageDelta;
        case 6:
            return timesUnit(1, scrollLines);
        default:
            return 0;
    }
}

void ScrollDelivery::SwitchToAndScroll(WindowHandle target, ScrollMethod method) {
    Trap trap(reporter_, Location::Enum_SwitchToAndScroll);
    std::int32_t delta = 0;
    trap(100, [&] { windows_.raise(target); });
    trap(102, [&] { windows_.holdAbove(target, true); });
    trap(104, [&] { windows_.show(target); });
    trap(106, [&] { windows_.holdAbove(target, false); });
    trap(108, [&] { delta = wheelDelta(method, scrollLines_); });
    trap(110, [&] { windows_.scroll(target, delta); });
}

void ScrollDelivery::KnowScrollines() {
    Trap trap(reporter_, Location::Enum_KnowScrollines);
    trap(100, [&] { scrollLines_ = 3; });
    trap(102, [&] {
        scrollLines_ = windows_.wheelPresent() ? windows_.wheelScrollLines().value_or(3) : 0;
    });
}

}  // namespace qpa
