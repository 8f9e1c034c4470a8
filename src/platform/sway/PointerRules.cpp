#include "platform/sway/PointerRules.h"

#include "platform/portable/WheelNotches.h"

namespace qpa::sway {

namespace {
// The axis value of one notch; what libinput reports for a common wheel's 15 degrees.
constexpr int kNotchValue = 15;
}  // namespace

std::optional<AbsoluteMotion> absoluteMotion(Point point, const Rect& layout) {
    if (layout.empty() || !layout.contains(point)) return std::nullopt;
    return AbsoluteMotion{static_cast<std::uint32_t>(point.x - layout.x),
                          static_cast<std::uint32_t>(point.y - layout.y),
                          static_cast<std::uint32_t>(layout.width),
                          static_cast<std::uint32_t>(layout.height)};
}

WheelSteps wheelSteps(std::int32_t delta) {
    const int notches = wheelNotches(delta);
    if (notches == 0) return {};
    const int sign = delta > 0 ? -1 : 1;
    return {notches, sign, sign * kNotchValue};
}

}  // namespace qpa::sway
