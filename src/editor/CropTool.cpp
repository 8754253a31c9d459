#include "editor/CropTool.h"

namespace snapwright {

Quadrant QuadrantOf(Point picturePoint, Size picture) {
    return {picturePoint.x > picture.width / 2.0, picturePoint.y > picture.height / 2.0};
}

Rect CropRegion(Point p, Size picture) {
    const Quadrant quadrant = QuadrantOf(p, picture);
    Rect region;
    region.left = quadrant.right ? 0 : p.x;
    region.width = quadrant.right ? p.x : picture.width - p.x;
    region.top = quadrant.lower ? 0 : p.y;
    region.height = quadrant.lower ? p.y : picture.height - p.y;
    return region;
}

void CropTool::OnButton() {
    if (m_core.mode != EditMode::None && m_core.mode != EditMode::Crop) return;
    if (m_core.mode == EditMode::None) {
        m_core.mode = EditMode::Crop;
        m_core.window.SetButtonPressed(Id(EditorControl::CropButton), true);
    } else {
        m_core.window.SetButtonPressed(Id(EditorControl::CropButton), false);
        m_core.mode = EditMode::None;
        m_core.markerFrozen = false;
    }
}

// The arrow's tip lies 10 pixels from the mouse towards the corner that would move; its two arms
// run 20 pixels along the axes and its shaft comes from that corner's direction.
void CropTool::OnMouseMove(Point view) {
    if (!m_core.DrawCrossHair(view)) return;
    const Quadrant quadrant = QuadrantOf(m_core.ToPicture(view), m_core.PictureSize());
    const int sx = quadrant.right ? 1 : -1;
    const int sy = quadrant.lower ? 1 : -1;
    const Point tip{view.x + 10 * sx, view.y + 10 * sy};
    IDrawing& markers = m_core.window.ViewMarkers();
    markers.Line({view.x + 30 * sx, view.y + 10 * sy}, tip, kMarkerColour);
    markers.Line(tip, {view.x + 10 * sx, view.y + 30 * sy}, kMarkerColour);
    markers.Line({view.x + 60 * sx, view.y + 60 * sy}, tip, kMarkerColour);
}

void CropTool::OnMouseDown(Point view) {
    if (m_core.Picture()) {
        const Rect region = CropRegion(m_core.ToPicture(view), m_core.PictureSize());
        m_core.TakeSnapshot();
        if (PicturePtr cropped = m_core.window.WorkOn(*m_core.Picture())->CopyOut(region)) {
            m_core.ReplacePicture(std::move(cropped));
        }
        m_core.changed = true;
    }
    m_core.mode = EditMode::None;
    m_core.markerFrozen = true;
    OnButton();
}

}  // namespace snapwright
