#include "capture/Desktop.h"

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

bool IsEmpty(const Rect& rect) {
    return rect.width <= 0 || rect.height <= 0;
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

std::optional<Rect> RectOf(const WindowEdges& edges) {
    constexpr long long kMin = std::numeric_limits<int>::min();
    constexpr long long kMax = std::numeric_limits<int>::max();
    const long long width = edges.right - edges.left;
    const long long height = edges.bottom - edges.top;
    if (width <= 0 || height <= 0 || width > kMax || height > kMax) return std::nullopt;
    if (edges.left < kMin || edges.left > kMax || edges.top < kMin || edges.top > kMax) return std::nullopt;
    return Rect{static_cast<int>(edges.left), static_cast<int>(edges.top), static_cast<int>(width),
                static_cast<int>(height)};
}

}  // namespace

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
    if (!any) return {};
    return RectOf({around.left, around.top, around.right, around.bottom}).value_or(Rect{});
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

std::optional<Rect> VisibleFrame(const WindowPlace& place, const std::vector<Monitor>& monitors) {
    const std::optional<Rect> outer = RectOf(place.outer);
    if (!outer) return std::nullopt;
    Rect frame = *outer;
    // The composed frame is trusted only where it is what it claims to be: a part of the window.
    if (place.composedFrame) {
        const std::optional<Rect> composed = RectOf(*place.composedFrame);
        if (composed && Intersection(*composed, *outer) == *composed) frame = *composed;
    }
    // A maximised window's border lies beyond its monitor's work area, over the task bar or on
    // the next monitor; without a composed frame it must be cut off here.
    if (place.maximised) {
        if (const Monitor* monitor = MonitorOf(monitors, frame)) {
            const Rect trimmed = Intersection(frame, monitor->workArea);
            if (!IsEmpty(trimmed)) frame = trimmed;
        }
    }
    return frame;
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

Desktop::Desktop(const IScreen& screen, const IWindowService& windows) : m_screen(screen), m_windows(windows) {}

Rect Desktop::VirtualScreen() const {
    return BoundingRectangle(Monitors());
}

std::optional<Monitor> Desktop::MonitorAt(Point point) const {
    const std::vector<Monitor> monitors = Monitors();
    const Monitor* monitor = snapwright::MonitorAt(monitors, point);
    return monitor ? std::optional<Monitor>(*monitor) : std::nullopt;
}

std::optional<Monitor> Desktop::PointerMonitor() const {
    return MonitorAt(m_screen.PointerPosition());
}

std::optional<Monitor> Desktop::MonitorOfWindow(WindowRef window) const {
    const std::optional<Rect> frame = VisibleFrame(window);
    if (!frame) return std::nullopt;
    const std::vector<Monitor> monitors = Monitors();
    const Monitor* monitor = MonitorOf(monitors, *frame);
    return monitor ? std::optional<Monitor>(*monitor) : std::nullopt;
}

std::optional<Rect> Desktop::VisibleFrame(WindowRef window) const {
    return VisibleFrame(window, Monitors());
}

std::optional<Rect> Desktop::VisibleFrame(WindowRef window, const std::vector<Monitor>& monitors) const {
    const std::optional<WindowEdges> outer = m_windows.WindowRectangle(window);
    if (!outer) return std::nullopt;
    return snapwright::VisibleFrame({*outer, m_windows.ComposedFrame(window), m_windows.IsMaximised(window)},
                                    monitors);
}

}  // namespace snapwright
