#include "editor/ArrowMark.h"

#include <algorithm>
#include <cmath>

#include "editor/TileMask.h"

namespace snapwright {

namespace {

// How far a point lies from a polygon: 0 inside it (by the even-odd rule), else the distance to
// its nearest edge.
double DistanceTo(const Polygon& polygon, PointF p) {
    if (polygon.empty()) return INFINITY;
    bool inside = false;
    double nearest = INFINITY;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const PointF& a = polygon[i];
        const PointF& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double squared = dx * dx + dy * dy;
        const double t = squared == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)));
    }
    return inside ? 0 : nearest;
}

}  // namespace

// The head grows with the line, and stays large enough to be seen on a thin one.
double ArrowHeadLength(int strength) {
    return 4.0 * strength + 8;
}

ArrowShape ArrowOf(Point tail, Point head, int strength) {
    const PointF from{tail.x + 0.5, tail.y + 0.5};
    const PointF to{head.x + 0.5, head.y + 0.5};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length == 0) return {};
    const PointF along{(to.x - from.x) / length, (to.y - from.y) / length};
    const PointF across{-along.y, along.x};
    const double headLength = std::min(length, ArrowHeadLength(strength));
    const double headHalf = headLength / 2;
    const PointF base{to.x - along.x * headLength, to.y - along.y * headLength};
    const auto at = [](PointF p, PointF d, double k) { return PointF{p.x + d.x * k, p.y + d.y * k}; };
    ArrowShape arrow;
    arrow.head = {to, at(base, across, headHalf), at(base, across, -headHalf)};
    if (length > headLength) {
        // The shaft reaches into the head, so that no seam shows between them.
        const PointF end = at(base, along, headLength / 2);
        const double half = strength / 2.0;
        arrow.shaft = {at(from, across, half), at(end, across, half), at(end, across, -half), at(from, across, -half)};
    }
    return arrow;
}

std::vector<Polygon> ArrowMark::Parts() const {
    ArrowShape arrow = ArrowOf(m_tail, m_head, Style().strength);
    return {std::move(arrow.shaft), std::move(arrow.head)};
}

Rect ArrowMark::Bounds() const {
    return BoundsOf(Parts());
}

// An arrow of no length paints nothing, but stays where it can be taken and pulled out again.
bool ArrowMark::Hits(Point at) const {
    const PointF p{at.x + 0.5, at.y + 0.5};
    const std::vector<Polygon> parts = Parts();
    if (parts[1].empty()) return std::max(std::abs(at.x - m_head.x), std::abs(at.y - m_head.y)) <= kHitTolerance;
    return std::any_of(parts.begin(), parts.end(),
                       [&](const Polygon& part) { return DistanceTo(part, p) <= kHitTolerance; });
}

void ArrowMark::MoveBy(int dx, int dy) {
    m_tail = {m_tail.x + dx, m_tail.y + dy};
    m_head = {m_head.x + dx, m_head.y + dy};
}

void ArrowMark::DragHandle(std::size_t handle, Point to) {
    (handle == 0 ? m_tail : m_head) = to;
}

void ArrowMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    FillPolygons(pixels, at, Parts(), Style().colour);
}

// Along the shaft as wide as the line, and the head's own rectangle.
void ArrowMark::Cover(TileMask& tiles) const {
    const std::vector<Polygon> parts = Parts();
    tiles.MarkLine(m_tail, m_head, Style().strength / 2.0 + TileMask::kRoom);
    tiles.MarkRect(BoundsOf({parts[1]}));
}

}  // namespace snapwright
