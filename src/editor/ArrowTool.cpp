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

// An arrow of no length shows nothing and is no mark.
void ArrowTool::OnSecondCorner(Point view) {
    const Point head = m_core.ToPicture(view);
    TwoCornerTool::OnActivate();
    if (head == m_firstPicture) return;
    m_core.AddMark(std::make_unique<ArrowMark>(m_firstPicture, head, MarkStyle{m_core.style.colour, m_core.style.strength}));
}

}  // namespace snapwright
