#include "editor/StepTool.h"

#include "editor/StepMark.h"

namespace snapwright {

void StepTool::OnMouseDown(Point view) {
    m_core.AddMark(std::make_unique<StepMark>(m_core.Glyphs(), m_core.ToPicture(view),
                                              MarkStyle{m_core.style.colour, m_core.style.strength}));
}

void StepTool::DrawPreview(IDrawing& view, Point mouse) const {
    const double radius = StepDiameter(m_core.style.strength) / 2.0;
    view.Ellipse(mouse.x, mouse.y, radius, radius, m_core.style.colour);
}

}  // namespace snapwright
