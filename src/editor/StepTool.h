#pragma once
#include "editor/EditorCore.h"

namespace snapwright {

// Puts a numbered step where it is clicked: a filled circle in the colour, its size from the
// strength, with the next number. The tool stays chosen for the next step; the circle it would put
// follows the mouse.
class StepTool : public Tool {
public:
    explicit StepTool(EditorCore& core) : m_core(core) {}

    void OnMouseDown(Point view) override;
    bool ShowsCrossHair() const override { return false; }
    void DrawPreview(IDrawing& view, Point mouse) const override;

private:
    EditorCore& m_core;
};

}  // namespace snapwright
