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

void ZoomTool::OnButton() {
    if (m_core.mode != EditMode::None && m_core.mode != EditMode::Zoom) return;
    if ((m_clicks != 0 && m_clicks != 3) || m_core.mode != EditMode::Zoom) {
        m_core.mode = EditMode::Zoom;
        m_core.window.SetButtonPressed(Id(EditorControl::ZoomButton), true);
    } else {
        m_core.window.SetButtonPressed(Id(EditorControl::ZoomButton), false);
        m_core.mode = EditMode::None;
        m_clicks = 0;
        m_core.markerFrozen = false;
        m_core.changed = true;
    }
}

Size ZoomTool::InsetSize() const {
    return m_region ? Size{Scaled(m_region->Width()), Scaled(m_region->Height())} : Size{};
}

void ZoomTool::OnMouseMove(Point view) {
    if (!m_core.DrawCrossHair(view)) return;
    IDrawing& markers = m_core.window.ViewMarkers();
    if (m_clicks == 1) {
        markers.Rectangle(m_firstView, view, kZoomColour);
    } else if (m_clicks == 2) {
        // The enlargement follows the mouse with its top-left corner.
        markers.Rectangle({m_regionView.left, m_regionView.top}, Corner(m_regionView), kZoomColour);
        const Size inset = InsetSize();
        if (m_region) markers.StretchPicture(*m_region, {view.x, view.y, inset.width, inset.height});
        markers.Rectangle(view, {view.x + inset.width, view.y + inset.height}, kZoomColour);
    }
}

void ZoomTool::OnMouseDown(Point view) {
    ++m_clicks;
    if (m_clicks == 1) {
        m_firstView = view;
        m_firstPicture = m_core.ToPicture(view);
    } else if (m_clicks == 2) {
        // Marked from right to left or bottom to top, the corners are put in order.
        m_regionView = ZoomRegion(m_firstView, view);
        m_regionPicture = ZoomRegion(m_firstPicture, m_core.ToPicture(view));
        m_core.UpdatePicture();  // the region is copied as shown, without the markers
        m_region = m_core.window.CopyFromView(m_regionView);
    } else if (m_clicks == 3) {
        PlaceInset(view);
    }
    OnButton();
}

// The region's frame, its enlargement and the four lines that join their corners are drawn onto a
// copy of the picture, which then replaces it. The inset frame is 1.5 times the distance of the
// clicked corners; the enlargement is 1.5 times the region, whose size counts both corner pixels.
void ZoomTool::PlaceInset(Point view) {
    if (!m_core.Picture() || !m_region) return;
    m_core.TakeSnapshot();
    m_core.UpdatePicture();
    const std::unique_ptr<IWorkingPicture> work = m_core.window.WorkOn(*m_core.Picture());
    const Point q = m_core.ToPicture(view);
    const Point first{m_regionPicture.left, m_regionPicture.top};
    const Point second = Corner(m_regionPicture);
    const int zw = Scaled(second.x - first.x);
    const int zh = Scaled(second.y - first.y);
    work->Line({first.x, second.y}, {q.x, q.y + zh}, kZoomColour);
    work->Line(first, q, kZoomColour);
    work->Line({second.x, first.y}, {q.x + zw, q.y}, kZoomColour);
    work->Line(second, {q.x + zw, q.y + zh}, kZoomColour);
    work->Rectangle(first, second, kZoomColour);
    const Size inset = InsetSize();
    work->StretchPicture(*m_region, {q.x, q.y, inset.width, inset.height});
    work->Rectangle(q, {q.x + zw, q.y + zh}, kZoomColour);
    const Size picture = m_core.PictureSize();
    if (PicturePtr result = work->CopyOut({0, 0, picture.width, picture.height})) {
        m_core.ReplacePicture(std::move(result));
    }
    m_core.changed = true;
}

}  // namespace snapwright
