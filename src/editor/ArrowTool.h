#pragma once
#include "editor/PixelFilters.h"
#include "editor/TwoCornerTool.h"

namespace snapwright {

// An arrow as two filled polygons: the shaft, as wide as the line strength, and the head, a
// triangle whose tip is the head point and whose length and base follow from the strength. An
// arrow shorter than its head is all head; one of no length is nothing.
struct ArrowShape {
    Polygon shaft;
    Polygon head;
};
// Ends at pixel centres.
ArrowShape ArrowOf(Point tail, Point head, int strength);
double ArrowHeadLength(int strength);

// Draws an arrow dragged from tail to head (or clicked, tail then head), smoothed, in the
// colour and strength. The tool stays chosen for the next arrow.
class ArrowTool : public TwoCornerTool {
public:
    explicit ArrowTool(EditorCore& core) : TwoCornerTool(core) {}

    bool OnButtonAgain() override { return true; }
    void DrawPreview(IDrawing& view, Point mouse) const override;

protected:
    void OnSecondCorner(Point view) override;
};

}  // namespace snapwright
