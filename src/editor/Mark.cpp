#include "editor/Mark.h"

#include <algorithm>
#include <cstdlib>

#include "editor/TileMask.h"

namespace snapwright {

std::optional<std::size_t> Mark::HandleAt(Point at) const {
    std::optional<std::size_t> nearest;
    int nearestDistance = kHandleReach + 1;
    const std::vector<Point> handles = Handles();
    for (std::size_t i = 0; i < handles.size(); ++i) {
        const int distance = std::max(std::abs(handles[i].x - at.x), std::abs(handles[i].y - at.y));
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void Mark::Cover(TileMask& tiles) const {
    tiles.MarkRect(Bounds());
}

Rect Grown(const Rect& rect, int by) {
    return {rect.left - by, rect.top - by, rect.width + 2 * by, rect.height + 2 * by};
}

bool Contains(const Rect& rect, Point point) {
    return point.x >= rect.left && point.y >= rect.top && point.x < rect.left + rect.width &&
           point.y < rect.top + rect.height;
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.width <= 0 || a.height <= 0) return b;
    if (b.width <= 0 || b.height <= 0) return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

}  // namespace snapwright
