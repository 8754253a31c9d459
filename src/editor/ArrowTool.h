#pragma once
#include "editor/ArrowMark.h"
#include "editor/TwoCornerTool.h"

namespace snapwright {

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
