#include "editor/MarkTool.h"

#include <algorithm>
#include <cstdlib>

#include "editor/HighlightMark.h"
#include "editor/RedactionMark.h"

namespace snapwright {

Rect RectangleBetween(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x) + 1, std::abs(b.y - a.y) + 1};
}

// The highlighter has a colour of its own: the frames' red would hide what it marks.
void MarkTool::OnActivate() {
    TwoCornerTool::OnActivate();
    if (m_kind != MarkKind::Highlight) return;
    m_otherColour = m_core.style.colour;
    m_core.SetColour(m_ownColour);
}

void MarkTool::OnDeactivate() {
    TwoCornerTool::OnDeactivate();
    if (m_kind != MarkKind::Highlight) return;
    m_ownColour = m_core.style.colour;
    m_core.SetColour(m_otherColour);
}

void MarkTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (Corners() != 1) return;
    if (m_kind == MarkKind::Highlight) {
        view.Rectangle(m_firstView, mouse, m_core.style.colour);
    } else {
        DrawMarkerLine(view, m_firstView, {mouse.x, m_firstView.y});
        DrawMarkerLine(view, {mouse.x, m_firstView.y}, mouse);
        DrawMarkerLine(view, mouse, {m_firstView.x, mouse.y});
        DrawMarkerLine(view, {m_firstView.x, mouse.y}, m_firstView);
    }
}

// A redaction is a mark that hides whatever lies under it wherever it is: nothing that leaves the
// editor shows what was under it.
void MarkTool::OnSecondCorner(Point view) {
    const Point second = m_core.ToPicture(view);
    const MarkStyle style{m_core.style.colour, m_core.style.strength};
    TwoCornerTool::OnActivate();
    if (m_kind == MarkKind::Highlight) {
        m_core.AddMark(std::make_unique<HighlightMark>(m_firstPicture, second, style));
    } else {
        m_core.AddMark(std::make_unique<RedactionMark>(m_firstPicture, second, style, m_core.window.ShiftHeld()));
    }
}

}  // namespace snapwright
