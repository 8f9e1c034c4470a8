#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// Where and how a virtual pointer turns the wheel over a view; free of Wayland headers so that the
// unit tests can use them alone.
namespace qpa::wayland {

struct Point {
    int x = 0, y = 0;
};

// A rectangle of the output layout, in layout pixels.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const {
        return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
    }
};

// The point over `content` the wheel is turned at: its centre, or, when views that stay above it
// cover the centre, the centre of the largest part of it that none of them covers.
Point aimPoint(const Rect& content, const std::vector<Rect>& above);

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

}  // namespace qpa::wayland
