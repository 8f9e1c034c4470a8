#include "platform/portable/AimPoint.h"

#include <algorithm>

namespace qpa::aim {

namespace {
bool covered(Point p, const std::vector<Rect>& above) {
    return std::any_of(above.begin(), above.end(), [p](const Rect& r) { return r.contains(p); });
}

Point centre(int left, int top, int right, int bottom) {
    return {left + (right - left) / 2, top + (bottom - top) / 2};
}

Point centre(const Rect& r) {
    return centre(r.x, r.y, r.x + r.width, r.y + r.height);
}
}  // namespace

Rect intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

std::optional<Point> uncoveredPoint(const Rect& content, const std::vector<Rect>& above) {
    if (content.empty()) return std::nullopt;
    const Point middle = centre(content);
    if (!covered(middle, above)) return middle;
    // The edges of the covering windows cut the content into cells, each wholly covered or not.
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
    std::optional<Point> best;
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
    return best;
}

Point aimPoint(const Rect& content, const std::vector<Rect>& above) {
    return uncoveredPoint(content, above).value_or(centre(content));
}

}  // namespace qpa::aim
