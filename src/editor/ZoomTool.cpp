#include "editor/ZoomTool.h"

#include <algorithm>
#include <cmath>

namespace snapwright {

namespace {

int Scaled(int length) {
    return static_cast<int>(std::lround(length * kZoomFactor));
}

Point Corner(const Rect& rect) {
    return {rect.left + rect.width - 1, rect.top + rect.height - 1};
}

}  // namespace

Rect ZoomRegion(Point first, Point second) {
    return {std::min(first.x, second.x), std::min(first.y, second.y), std::abs(second.x - first.x) + 1,
            std::abs(second.y - first.y) + 1};
}

void ZoomTool::OnActivate() {
    TwoCornerTool::OnActivate();
    m_region.reset();
}

void ZoomTool::OnDeactivate() {
    TwoCornerTool::OnDeactivate();
    m_region.reset();
}

Size ZoomTool::InsetSize() const {
    return m_region ? Size{Scaled(m_region->Width()), Scaled(m_region->Height())} : Size{};
}

// The enlargement with its top-left corner at a point.
void ZoomTool::DrawInset(IDrawing& drawing, Point at) const {
    const Size inset = InsetSize();
    if (m_region) drawing.StretchPicture(m_region, {at.x, at.y, inset.width, inset.height});
}

void ZoomTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (Corners() == 1) {
        view.Rectangle(m_firstView, mouse, kZoomColour);
    } else if (Corners() == 2) {
        // The enlargement follows the mouse with its top-left corner.
        view.Rectangle({m_regionView.left, m_regionView.top}, Corner(m_regionView), kZoomColour);
        DrawInset(view, mouse);
        const Size inset = InsetSize();
        view.Rectangle(mouse, {mouse.x + inset.width, mouse.y + inset.height}, kZoomColour);
    }
}

// Marked from right to left or bottom to top, the corners are put in order. The region is copied
// as the view shows it, without the marks over it.
void ZoomTool::OnSecondCorner(Point view) {
    m_regionView = ZoomRegion(m_firstView, view);
    m_regionPicture = ZoomRegion(m_firstPicture, m_core.ToPicture(view));
    m_region = m_core.window.CopyFromView(m_regionView);
}

// The region's frame, its enlargement and the four lines that join their corners are burnt into
// the picture. The inset frame is 1.5 times the distance of the corners; the enlargement is 1.5
// times the region, whose size counts both corner pixels.
void ZoomTool::OnClickAfterCorners(Point view) {
    if (m_region) {
        const Point q = m_core.ToPicture(view);
        const Point first{m_regionPicture.left, m_regionPicture.top};
        const Point second = Corner(m_regionPicture);
        const int zw = Scaled(second.x - first.x);
        const int zh = Scaled(second.y - first.y);
        m_core.Commit([&](IWorkingPicture& work) {
            work.Line({first.x, second.y}, {q.x, q.y + zh}, kZoomColour);
            work.Line(first, q, kZoomColour);
            work.Line({second.x, first.y}, {q.x + zw, q.y}, kZoomColour);
            work.Line(second, {q.x + zw, q.y + zh}, kZoomColour);
            work.Rectangle(first, second, kZoomColour);
            DrawInset(work, q);
            work.Rectangle(q, {q.x + zw, q.y + zh}, kZoomColour);
        });
    }
    m_core.changed = true;
    m_core.LeaveTool();
}

}  // namespace snapwright
