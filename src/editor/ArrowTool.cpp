#include "editor/ArrowTool.h"

#include <cmath>

namespace snapwright {

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

void ArrowTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (Corners() != 1) return;
    const ArrowShape arrow = ArrowOf(m_firstView, mouse, m_core.style.strength);
    const auto corner = [](PointF p) { return Point{static_cast<int>(p.x), static_cast<int>(p.y)}; };
    view.Line(m_firstView, mouse, m_core.style.colour);
    for (std::size_t i = 0; i < arrow.head.size(); ++i) {
        view.Line(corner(arrow.head[i]), corner(arrow.head[(i + 1) % arrow.head.size()]), m_core.style.colour);
    }
}

void ArrowTool::OnSecondCorner(Point view) {
    const ArrowShape arrow = ArrowOf(m_firstPicture, m_core.ToPicture(view), m_core.style.strength);
    const std::vector<Polygon> parts{arrow.shaft, arrow.head};
    const Colour colour = m_core.style.colour;
    if (!arrow.head.empty()) {
        m_core.CommitPixels(BoundsOf(parts),
                            [&](RgbImage& pixels, Point at) { FillPolygons(pixels, at, parts, colour); });
    }
    TwoCornerTool::OnActivate();
}

}  // namespace snapwright
