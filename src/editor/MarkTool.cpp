#include "editor/MarkTool.h"

#include <algorithm>
#include <cstdlib>

#include "editor/PixelFilters.h"

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

// A redaction goes into the picture itself, so nothing that leaves the editor can show what was
// under it; only the editor's undo keeps it.
void MarkTool::OnSecondCorner(Point view) {
    const Rect region = RectangleBetween(m_firstPicture, m_core.ToPicture(view));
    const Colour colour = m_core.style.colour;
    const bool solid = m_core.window.ShiftHeld();
    const int block = kRedactionBlock + 4 * (m_core.style.strength - 1);
    m_core.CommitPixels(region, [&](RgbImage& pixels, Point) {
        const Rect all{0, 0, pixels.Width(), pixels.Height()};
        if (m_kind == MarkKind::Highlight) {
            Highlight(pixels, all, colour);
        } else if (solid) {
            FillSolid(pixels, all, colour);
        } else {
            Pixelate(pixels, all, block);
        }
    });
    TwoCornerTool::OnActivate();
}

}  // namespace snapwright
