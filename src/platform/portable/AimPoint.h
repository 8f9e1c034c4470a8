#pragma once
#include <optional>
#include <vector>

// Where the wheel is turned over a window that others may partly cover; shared by the X11, sway and
// KDE adapters, and free of any desktop header so that the unit tests can use it alone.
namespace qpa::aim {

struct Point {
    int x = 0, y = 0;
};

// A rectangle of the screen (X11) or of the output layout (sway), in pixels.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const {
        return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
    }
};

// The part of `a` inside `b` (empty when they do not meet).
Rect intersection(const Rect& a, const Rect& b);

// The centre of `content` unless a window in `above` covers it; then the centre of the largest part
// of `content` none of them covers; nothing when they cover all of it (or it is empty).
std::optional<Point> uncoveredPoint(const Rect& content, const std::vector<Rect>& above);

// As uncoveredPoint, but the centre when nothing is left uncovered: where the window would be if
// nothing stood above it.
Point aimPoint(const Rect& content, const std::vector<Rect>& above);

}  // namespace qpa::aim
