#pragma once
#include "editor/EditorCore.h"

namespace snapwright {

// The quarter of the picture a picture point lies in; the centre lines count as left and upper.
struct Quadrant {
    bool right = false;
    bool lower = false;
    friend bool operator==(const Quadrant&, const Quadrant&) = default;
};
Quadrant QuadrantOf(Point picturePoint, Size picture);

// The part of the picture that a crop at a picture point keeps: the corner of the point's
// quadrant moves to the point, the opposite corner stays.
Rect CropRegion(Point picturePoint, Size picture);

// Trims the picture with one click; an arrow beside the cross-hair points to the corner that moves.
// After a cut the tool stays chosen, but shows no marks until it is chosen again.
class CropTool : public Tool {
public:
    explicit CropTool(EditorCore& core) : m_core(core) {}

    void OnActivate() override { m_frozen = false; }
    // A press crops, also on the selected mark.
    bool Idle() const override { return false; }
    void OnMouseDown(Point view) override;
    bool ShowsCrossHair() const override { return !m_frozen; }
    void DrawPreview(IDrawing& view, Point mouse) const override;

private:
    EditorCore& m_core;
    bool m_frozen = false;
};

}  // namespace snapwright
