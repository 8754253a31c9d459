#include "capture/RegionSelection.h"

#include <algorithm>
#include <cstdlib>

namespace snapwright {

namespace {

bool OnDesktop(Point point, const std::vector<Monitor>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) { return Contains(m.bounds, point); });
}

}  // namespace

Rect DragRectangle(Point from, Point to, const std::vector<Monitor>& monitors) {
    Rect rect{std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x), std::abs(to.y - from.y)};
    const Point right = from.x > to.x ? from : to;
    const Point lower = from.y > to.y ? from : to;
    if (rect.width > 0 && OnDesktop(right, monitors) && !OnDesktop({right.x + 1, right.y}, monitors)) ++rect.width;
    if (rect.height > 0 && OnDesktop(lower, monitors) && !OnDesktop({lower.x, lower.y + 1}, monitors)) ++rect.height;
    return rect;
}

Point ClampToDesktop(Point point, const std::vector<Monitor>& monitors) {
    const Monitor* monitor = MonitorAt(monitors, point);
    if (!monitor) return point;
    const Rect& b = monitor->bounds;
    return {std::clamp(point.x, b.left, b.left + b.width - 1), std::clamp(point.y, b.top, b.top + b.height - 1)};
}

// The part of the window on the monitor under the pointer: the outline the user sees while
// pointing always holds the pointer.
std::optional<Rect> WindowUnder(Point point, const std::vector<Rect>& windowsTopFirst,
                                const std::vector<Monitor>& monitors) {
    const Monitor* monitor = MonitorAt(monitors, point);
    if (!monitor) return std::nullopt;
    if (const std::optional<std::size_t> index = WindowIndexUnder(point, windowsTopFirst)) {
        return Intersection(windowsTopFirst[*index], monitor->bounds);
    }
    return monitor->bounds;
}

std::optional<std::size_t> WindowIndexUnder(Point point, const std::vector<Rect>& windowsTopFirst) {
    for (std::size_t index = 0; index < windowsTopFirst.size(); ++index) {
        if (Contains(windowsTopFirst[index], point)) return index;
    }
    return std::nullopt;
}

Point StepPointer(Point pointer, ArrowKey key, bool shift, const std::vector<Monitor>& monitors) {
    const int step = shift ? 10 : 1;
    switch (key) {
        case ArrowKey::Left: pointer.x -= step; break;
        case ArrowKey::Right: pointer.x += step; break;
        case ArrowKey::Up: pointer.y -= step; break;
        case ArrowKey::Down: pointer.y += step; break;
    }
    return ClampToDesktop(pointer, monitors);
}

std::string SizeText(const Rect& region) {
    return std::to_string(region.width) + " \u00D7 " + std::to_string(region.height);
}

RegionSelection::RegionSelection(std::vector<Monitor> monitors, std::vector<Rect> windowsTopFirst, Point pointer)
    : m_monitors(std::move(monitors)),
      m_windows(std::move(windowsTopFirst)),
      m_pointer(ClampToDesktop(pointer, m_monitors)) {
    Follow();
}

void RegionSelection::MoveTo(Point pointer) {
    if (Finished()) return;
    m_pointer = ClampToDesktop(pointer, m_monitors);
    if (m_step == Step::Pressed && (std::abs(m_pointer.x - m_anchor.x) > kClickDistance ||
                                    std::abs(m_pointer.y - m_anchor.y) > kClickDistance)) {
        m_step = Step::Dragging;
    }
    Follow();
}

void RegionSelection::Press(Point pointer) {
    if (m_step != Step::Pointing) return;
    MoveTo(pointer);
    m_anchor = m_pointer;
    m_step = Step::Pressed;
}

// A release that drew nothing starts the drawing again, with the window under the pointer offered.
void RegionSelection::Release(Point pointer) {
    if (m_step != Step::Pressed && m_step != Step::Dragging) return;
    MoveTo(pointer);
    Take();
    if (m_step == Step::Dragging) {
        m_step = Step::Pointing;
        Follow();
    }
}

// After a press, the arrow keys draw: they are how the last pixel of an edge is reached.
void RegionSelection::MoveBy(ArrowKey key, bool shift) {
    if (Finished()) return;
    m_pointer = snapwright::StepPointer(m_pointer, key, shift, m_monitors);
    if (m_step == Step::Pressed) m_step = Step::Dragging;
    Follow();
}

void RegionSelection::Confirm() {
    if (!Finished()) Take();
}

void RegionSelection::Cancel() {
    if (Finished()) return;
    m_step = Step::Cancelled;
    m_marked.reset();
}

void RegionSelection::ScrollWindow() {
    if (m_step != Step::Pointing || !m_window) return;
    m_scrollAsked = true;
    Take();
}

Rect RegionSelection::PointerMonitor() const {
    const Monitor* monitor = MonitorAt(m_monitors, m_pointer);
    return monitor ? monitor->bounds : Rect{};
}

// While pressed, the window offered at the press stays marked until the pointer starts a drag.
void RegionSelection::Follow() {
    if (m_step == Step::Dragging) {
        m_marked = DragRectangle(m_anchor, m_pointer, m_monitors);
        m_window.reset();
    } else if (m_step == Step::Pointing) {
        m_marked = WindowUnder(m_pointer, m_windows, m_monitors);
        m_window = m_marked ? WindowIndexUnder(m_pointer, m_windows) : std::nullopt;
    }
}

void RegionSelection::Take() {
    if (m_marked && !IsEmpty(*m_marked)) m_step = Step::Taken;
}

}  // namespace snapwright
