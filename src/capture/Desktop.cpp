#include "capture/Desktop.h"

#include <limits>

namespace snapwright {

namespace {

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

bool IsShown(const TopLevelWindow& window) {
    return window.visible && !window.minimised && !window.clickThrough && !window.cloaked;
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

std::vector<ShownWindow> Desktop::ShownWindows(const std::vector<Monitor>& monitors) const {
    std::vector<ShownWindow> shown;
    for (const TopLevelWindow& window : m_windows.TopLevelWindowsTopFirst()) {
        if (!IsShown(window)) continue;
        if (const std::optional<Rect> frame = VisibleFrame(window.window, monitors)) {
            shown.push_back({window.window, *frame});
        }
    }
    return shown;
}

bool Desktop::Covered(WindowRef window, const Rect& part) const {
    for (const ShownWindow& shown : ShownWindows(Monitors())) {
        if (shown.window == window) return false;
        const Rect over = Intersection(shown.frame, part);
        if (over.width > 0 && over.height > 0) return true;
    }
    return false;
}


}  // namespace snapwright
