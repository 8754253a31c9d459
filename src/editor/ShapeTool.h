#pragma once
#include <vector>

#include "editor/TwoCornerTool.h"

namespace snapwright {

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

enum class ShapeKind { Frame, Ellipse };

// Draws a rectangle frame or an ellipse around two corners, outside them, in the editor's colour
// and strength; a preview follows the mouse after the first corner. The tool ends with its shape.
class ShapeTool : public TwoCornerTool {
public:
    ShapeTool(EditorCore& core, ShapeKind kind) : TwoCornerTool(core), m_kind(kind) {}

    void DrawPreview(IDrawing& view, Point mouse) const override;

protected:
    void OnSecondCorner(Point view) override;

private:
    void DrawShape(IDrawing& drawing, Point first, Point second, bool finalDrawing) const;

    ShapeKind m_kind;
};

}  // namespace snapwright
