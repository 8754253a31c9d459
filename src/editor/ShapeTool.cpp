#include "editor/ShapeTool.h"

#include <cmath>

#include "editor/EllipseMark.h"
#include "editor/FrameMark.h"

namespace snapwright {

// A ring's radius runs along the wider axis: an aspect up to 1 makes it the horizontal semi-axis,
// one above 1 the vertical one. A ring whose inner width is nothing keeps the aspect of a circle.
std::vector<EllipseRing> EllipseRings(Point first, Point second, int strength, bool finalDrawing) {
    const double w = second.x - first.x;
    const double h = second.y - first.y;
    const double centreX = first.x + w / 2;
    const double centreY = first.y + h / 2;
    std::vector<EllipseRing> rings;
    for (int i = strength; i >= 1; --i) {
        double aspect = 1;
        if (w != 0 && h != 0) {
            const double ringWidth = finalDrawing ? w - i : w;
            const double ringHeight = finalDrawing ? h - i : h;
            aspect = ringWidth != 0 ? std::fabs((ringHeight / 2) / (ringWidth / 2)) : 1;
        }
        const double radius = std::fabs(w / 2 + i);
        const bool wide = aspect <= 1;
        rings.push_back({centreX, centreY, wide ? radius : radius / aspect, wide ? radius * aspect : radius});
    }
    return rings;
}

// Ring i of a frame lies i pixels outside the corners, so the innermost one is a pixel outside
// them. The ellipse's preview shows its bounding rectangle as a marker.
void ShapeTool::DrawShape(IDrawing& drawing, Point first, Point second, bool finalDrawing) const {
    const Colour colour = m_core.style.colour;
    const int strength = m_core.style.strength;
    if (m_kind == ShapeKind::Frame) {
        for (int i = strength; i >= 1; --i) {
            drawing.Rectangle({first.x - i, first.y - i}, {second.x + i, second.y + i}, colour);
        }
        return;
    }
    if (!finalDrawing) {
        const Point a{first.x - strength, first.y - strength};
        const Point b{second.x + strength, second.y + strength};
        DrawMarkerLine(drawing, a, {b.x, a.y});
        DrawMarkerLine(drawing, {b.x, a.y}, b);
        DrawMarkerLine(drawing, b, {a.x, b.y});
        DrawMarkerLine(drawing, {a.x, b.y}, a);
    }
    for (const EllipseRing& ring : EllipseRings(first, second, strength, finalDrawing)) {
        drawing.Ellipse(ring.centreX, ring.centreY, ring.radiusX, ring.radiusY, colour);
    }
}

void ShapeTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (Corners() == 1) DrawShape(view, m_firstView, mouse, false);
}

void ShapeTool::OnSecondCorner(Point view) {
    const Point second = m_core.ToPicture(view);
    const MarkStyle style{m_core.style.colour, m_core.style.strength};
    m_core.LeaveTool();
    if (m_kind == ShapeKind::Frame) {
        m_core.AddMark(std::make_unique<FrameMark>(m_firstPicture, second, style));
    } else {
        m_core.AddMark(std::make_unique<EllipseMark>(m_firstPicture, second, style));
    }
}

}  // namespace snapwright
