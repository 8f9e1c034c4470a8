#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/portable/AimPoint.h"

// Where and how a virtual pointer turns the wheel over a view; free of Wayland headers so that the
// unit tests can use them alone.
namespace qpa::sway {

// The aim rule the X11 adapter shares: the content's centre, or past the views that stay above it.
using aim::aimPoint;
using aim::Point;
using aim::Rect;

// A pointer position as an absolute motion within the layout's extent; nothing outside the layout.
struct AbsoluteMotion {
    std::uint32_t x = 0, y = 0, width = 0, height = 0;
};
std::optional<AbsoluteMotion> absoluteMotion(Point point, const Rect& layout);

// The wheel frames for a delta (120 a notch, positive away from the user): whole notches as the X11
// adapter counts them, each one discrete step with its axis value. Wayland's axis grows towards the
// end of the document, so the sign is the delta's opposite.
struct WheelSteps {
    int notches = 0;   // frames to send; 0 sends nothing
    int discrete = 0;  // +1 or -1 each
    int value = 0;     // the axis value of one notch, in surface pixels
};
WheelSteps wheelSteps(std::int32_t delta);

}  // namespace qpa::sway
