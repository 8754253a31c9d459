#include "editor/ShapeTool.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace snapwright {

namespace {
constexpr Colour kBoundsColour = 0x000000;  // the ellipse preview's bounding rectangle
}

int StrengthOf(const std::string& text) {
    int strength = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        strength = std::min(255, strength * 10 + (c - '0'));
    }
    return strength;
}

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

EditorControl ShapeTool::ButtonOf(EditMode shape) {
    return shape == EditMode::Frame ? EditorControl::FrameButton : EditorControl::EllipseButton;
}

void ShapeTool::OnButton(EditMode shape) {
    if (m_core.mode != EditMode::None && m_core.mode != shape) return;
    if (m_core.mode == shape && (m_clicks == 0 || m_clicks == 2)) {
        m_core.window.SetButtonPressed(Id(ButtonOf(shape)), false);
        m_core.mode = EditMode::None;
        m_clicks = 0;
        m_core.markerFrozen = false;
        m_core.changed = true;
    } else {
        m_core.mode = shape;
        m_core.window.SetButtonPressed(Id(ButtonOf(shape)), true);
    }
}

// Ring i of a frame lies i pixels outside the clicked corners, so the innermost one is a pixel
// outside them. Colour and strength are read afresh for every drawing.
void ShapeTool::DrawShape(IDrawing& drawing, Point first, Point second, bool finalDrawing) {
    const Colour colour = m_core.window.ButtonColour(Id(EditorControl::ColourButton));
    const int strength = StrengthOf(m_core.form.Text(Id(EditorControl::StrengthList)));
    if (m_core.mode == EditMode::Frame) {
        for (int i = strength; i >= 1; --i) {
            drawing.Rectangle({first.x - i, first.y - i}, {second.x + i, second.y + i}, colour);
        }
        return;
    }
    if (!finalDrawing) {
        drawing.Rectangle({first.x - strength, first.y - strength}, {second.x + strength, second.y + strength},
                          kBoundsColour);
    }
    for (const EllipseRing& ring : EllipseRings(first, second, strength, finalDrawing)) {
        drawing.Ellipse(ring.centreX, ring.centreY, ring.radiusX, ring.radiusY, colour);
    }
}

void ShapeTool::OnMouseMove(Point view) {
    if (!m_core.DrawCrossHair(view)) return;
    if (m_clicks == 1) DrawShape(m_core.window.ViewMarkers(), m_firstView, view, false);
}

void ShapeTool::OnMouseDown(Point view) {
    ++m_clicks;
    if (m_clicks == 1) {
        m_firstView = view;
        m_firstPicture = m_core.ToPicture(view);
    } else if (m_clicks == 2 && m_core.Picture()) {
        const Point second = m_core.ToPicture(view);
        m_core.TakeSnapshot();
        m_core.UpdatePicture();
        const std::unique_ptr<IWorkingPicture> work = m_core.window.WorkOn(*m_core.Picture());
        DrawShape(*work, m_firstPicture, second, true);
        const Size picture = m_core.PictureSize();
        if (PicturePtr result = work->CopyOut({0, 0, picture.width, picture.height})) {
            m_core.ReplacePicture(std::move(result));
        }
        m_core.changed = true;
    }
    OnButton(m_core.mode);
}

}  // namespace snapwright
