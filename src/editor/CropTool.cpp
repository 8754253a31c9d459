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

// The arrow's tip lies 10 pixels from the mouse towards the corner that would move; its two arms
// run 20 pixels along the axes and its shaft comes from that corner's direction.
void CropTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (m_frozen) return;
    const Quadrant quadrant = QuadrantOf(m_core.ToPicture(mouse), m_core.PictureSize());
    const int sx = quadrant.right ? 1 : -1;
    const int sy = quadrant.lower ? 1 : -1;
    const Point tip{mouse.x + 10 * sx, mouse.y + 10 * sy};
    DrawMarkerLine(view, {mouse.x + 30 * sx, mouse.y + 10 * sy}, tip);
    DrawMarkerLine(view, tip, {mouse.x + 10 * sx, mouse.y + 30 * sy});
    DrawMarkerLine(view, {mouse.x + 60 * sx, mouse.y + 60 * sy}, tip);
}

void CropTool::OnMouseDown(Point view) {
    m_core.Crop(CropRegion(m_core.ToPicture(view), m_core.PictureSize()));
    m_frozen = true;
}

}  // namespace snapwright
