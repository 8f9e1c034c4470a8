#include "platform/wayland/PointerRules.h"

#include <algorithm>
#include <cstdlib>

#include "platform/linux/X11Rules.h"

namespace qpa::wayland {

namespace {
// The axis value of one notch; what libinput reports for a common wheel's 15 degrees.
constexpr int kNotchValue = 15;

bool covered(Point p, const std::vector<Rect>& above) {
    return std::any_of(above.begin(), above.end(), [p](const Rect& r) { return r.contains(p); });
}

Point centre(int left, int top, int right, int bottom) {
    return {left + (right - left) / 2, top + (bottom - top) / 2};
}
}  // namespace

Point aimPoint(const Rect& content, const std::vector<Rect>& above) {
    const Point middle =
        centre(content.x, content.y, content.x + content.width, content.y + content.height);
    if (!covered(middle, above)) return middle;
    // The edges of the covering views cut the content into cells, each wholly covered or not.
    std::vector<int> xs{content.x, content.x + content.width};
    std::vector<int> ys{content.y, content.y + content.height};
    const auto inside = [](int v, int low, int high) { return std::clamp(v, low, high); };
    for (const Rect& r : above) {
        for (int x : {r.x, r.x + r.width})
            xs.push_back(inside(x, content.x, content.x + content.width));
        for (int y : {r.y, r.y + r.height})
            ys.push_back(inside(y, content.y, content.y + content.height));
    }
    for (auto* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    Point best = middle;
    long bestArea = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const long area = long{xs[i + 1] - xs[i]} * (ys[j + 1] - ys[j]);
            const Point c = centre(xs[i], ys[j], xs[i + 1], ys[j + 1]);
            if (area > bestArea && !covered(c, above)) {
                best = c;
                bestArea = area;
            }
        }
    }
    return best;  // wholly covered: the centre, where the view would be if nothing stood above
}

std::optional<AbsoluteMotion> absoluteMotion(Point point, const Rect& layout) {
    if (layout.empty() || !layout.contains(point)) return std::nullopt;
    return AbsoluteMotion{static_cast<std::uint32_t>(point.x - layout.x),
                          static_cast<std::uint32_t>(point.y - layout.y),
                          static_cast<std::uint32_t>(layout.width),
                          static_cast<std::uint32_t>(layout.height)};
}

WheelSteps wheelSteps(std::int32_t delta) {
    const int notches = x11::wheelClicks(delta);
    if (notches == 0) return {};
    const int sign = delta > 0 ? -1 : 1;
    return {notches, sign, sign * kNotchValue};
}

}  // namespace qpa::wayland
