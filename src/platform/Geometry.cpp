#include "platform/Geometry.h"

#include <algorithm>
#include <limits>

namespace snapwright {

namespace {

// Edges in 64 bits: a rectangle near the end of the int range must not wrap when its right edge
// is formed.
struct Edges {
    long long left, top, right, bottom;
};

Edges EdgesOf(const Rect& rect) {
    return {rect.left, rect.top, static_cast<long long>(rect.left) + rect.width,
            static_cast<long long>(rect.top) + rect.height};
}

long long Area(const Rect& rect) {
    return static_cast<long long>(rect.width) * rect.height;
}

// Squared distance from a point to the nearest pixel of a rectangle; 0 inside it.
long long DistanceSquared(const Rect& rect, Point point) {
    const Edges edges = EdgesOf(rect);
    const auto beyond = [](long long value, long long first, long long end) {
        return value < first ? first - value : (value >= end ? value - end + 1 : 0);
    };
    const long long dx = beyond(point.x, edges.left, edges.right);
    const long long dy = beyond(point.y, edges.top, edges.bottom);
    return dx * dx + dy * dy;
}

}  // namespace

bool IsEmpty(const Rect& rect) {
    return rect.width <= 0 || rect.height <= 0;
}

bool Contains(const Rect& rect, Point point) {
    return !IsEmpty(rect) && DistanceSquared(rect, point) == 0;
}

Rect Grown(const Rect& rect, int by) {
    return {rect.left - by, rect.top - by, rect.width + 2 * by, rect.height + 2 * by};
}

Rect Union(const Rect& a, const Rect& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

Rect Intersection(const Rect& a, const Rect& b) {
    const Edges ea = EdgesOf(a);
    const Edges eb = EdgesOf(b);
    const long long left = std::max(ea.left, eb.left);
    const long long top = std::max(ea.top, eb.top);
    const long long right = std::min(ea.right, eb.right);
    const long long bottom = std::min(ea.bottom, eb.bottom);
    if (IsEmpty(a) || IsEmpty(b) || right <= left || bottom <= top) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

Rect CentredIn(Size size, const Rect& area) {
    const auto place = [](int start, int length, int wanted) {
        const long long centred = start + (static_cast<long long>(length) - wanted) / 2;
        const long long last = static_cast<long long>(start) + length - wanted;
        return static_cast<int>(std::max<long long>(start, std::min(centred, last)));
    };
    return {place(area.left, area.width, size.width), place(area.top, area.height, size.height), size.width,
            size.height};
}

Rect BoundingRectangle(const std::vector<Monitor>& monitors) {
    bool any = false;
    Edges around{};
    for (const Monitor& monitor : monitors) {
        if (IsEmpty(monitor.bounds)) continue;
        const Edges edges = EdgesOf(monitor.bounds);
        around = any ? Edges{std::min(around.left, edges.left), std::min(around.top, edges.top),
                             std::max(around.right, edges.right), std::max(around.bottom, edges.bottom)}
                     : edges;
        any = true;
    }
    constexpr long long kMax = std::numeric_limits<int>::max();
    if (!any || around.right - around.left > kMax || around.bottom - around.top > kMax) return {};
    return {static_cast<int>(around.left), static_cast<int>(around.top), static_cast<int>(around.right - around.left),
            static_cast<int>(around.bottom - around.top)};
}

std::vector<Rect> ShownParts(const Rect& area, const std::vector<Monitor>& monitors) {
    std::vector<Rect> parts;
    for (const Monitor& monitor : monitors) {
        const Rect part = Intersection(area, monitor.bounds);
        if (!IsEmpty(part)) parts.push_back(part);
    }
    return parts;
}

const Monitor* MonitorAt(const std::vector<Monitor>& monitors, Point point) {
    const Monitor* nearest = nullptr;
    long long nearestDistance = 0;
    for (const Monitor& monitor : monitors) {
        if (IsEmpty(monitor.bounds)) continue;
        const long long distance = DistanceSquared(monitor.bounds, point);
        if (!nearest || distance < nearestDistance) {
            nearest = &monitor;
            nearestDistance = distance;
        }
    }
    return nearest;
}

const Monitor* MonitorOf(const std::vector<Monitor>& monitors, const Rect& rect) {
    const Monitor* largest = nullptr;
    long long largestArea = 0;
    for (const Monitor& monitor : monitors) {
        const long long area = Area(Intersection(rect, monitor.bounds));
        if (area > largestArea) {
            largest = &monitor;
            largestArea = area;
        }
    }
    if (largest) return largest;
    const Edges edges = EdgesOf(rect);
    const Point centre{static_cast<int>((edges.left + edges.right) / 2),
                       static_cast<int>((edges.top + edges.bottom) / 2)};
    return MonitorAt(monitors, centre);
}

}  // namespace snapwright
