#include "editor/ArrowTool.h"

namespace snapwright {

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
