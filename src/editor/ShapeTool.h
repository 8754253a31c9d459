#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/EditorCore.h"

namespace snapwright {

// The line strength a text of the strength list gives: the whole number it starts with ("3px"
// gives 3), 0 when it starts with none; at most 255.
int StrengthOf(const std::string& text);

// One ring of an ellipse: its centre and semi-axes.
struct EllipseRing {
    double centreX = 0;
    double centreY = 0;
    double radiusX = 0;
    double radiusY = 0;
};

// The rings of an ellipse whose bounding corners are `first` and `second`, ring i lying i pixels
// outside, for i = strength down to 1. The preview keeps the inner aspect for every ring; the
// final drawing gives each ring its own.
std::vector<EllipseRing> EllipseRings(Point first, Point second, int strength, bool finalDrawing);

// Draws a rectangle frame or an ellipse around two clicked corners, outside them, with the
// chosen colour and strength; a preview follows the mouse after the first click.
class ShapeTool {
public:
    explicit ShapeTool(EditorCore& core) : m_core(core) {}

    // The button of the frame (EditMode::Frame) or the ellipse (EditMode::Ellipse).
    void OnButton(EditMode shape);
    void OnMouseMove(Point view);
    void OnMouseDown(Point view);
    // Forgets the clicks, as the editor opens.
    void Reset() { m_clicks = 0; }

private:
    void DrawShape(IDrawing& drawing, Point first, Point second, bool finalDrawing);
    static EditorControl ButtonOf(EditMode shape);

    EditorCore& m_core;
    std::uint8_t m_clicks = 0;
    Point m_firstView;
    Point m_firstPicture;
};

}  // namespace snapwright
