#include "engine/Delivery.h"

#include <limits>

#include "app/RuntimeError.h"

namespace qpa {

namespace {
std::int32_t timesUnit(std::int32_t sign, std::int32_t scrollLines) {
    if (scrollLines == kScrollOneScreen) return sign * kPageDelta;  // a page, in the method's way
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

void ScrollDelivery::SetTopmost(WindowHandle window, bool topmost) {
    windows_.setTopmostBand(window, topmost);
}

void ScrollDelivery::SwitchToAndScroll(WindowHandle target, int showCommand, ScrollMethod method) {
    Trap trap(reporter_, Location::Enum_SwitchToAndScroll);
    std::int32_t delta = 0;
    trap(100, [&] { windows_.allowAnyForeground(); });
    trap(102, [&] { windows_.setForeground(target); });
    trap(104, [&] { SetTopmost(target, true); });
    trap(106, [&] { windows_.show(target, kShowNormal); });
    trap(108, [&] {
        if (showCommand != kShowNormal) windows_.show(target, showCommand);
    });
    trap(110, [&] { SetTopmost(target, false); });
    trap(112, [&] { delta = wheelDelta(method, scrollLines_); });
    trap(114, [&] { windows_.scroll(target, delta); });
}

void ScrollDelivery::KnowScrollines() {
    Trap trap(reporter_, Location::Enum_KnowScrollines);
    trap(100, [&] { scrollLines_ = 3; });
    trap(102, [&] {
        if (windows_.wheelPresent()) {
            scrollLines_ = windows_.wheelScrollLines().value_or(3);
        } else {
            scrollLines_ = 0;
        }
    });
}

}  // namespace qpa
