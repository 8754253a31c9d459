#pragma once
#include "editor/TwoCornerTool.h"

namespace snapwright {

inline constexpr double kZoomFactor = 1.5;
inline constexpr Colour kZoomColour = 0x0000FF;  // red

// The region of the view between two corners, both corner pixels included, whichever way round
// they were given.
Rect ZoomRegion(Point first, Point second);

// Magnifies a region of the picture into an inset burnt into the picture itself: two corners mark
// the region, a click places its 1.5 times enlargement, framed and joined to it in red, and ends
// the tool.
class ZoomTool : public TwoCornerTool {
public:
    explicit ZoomTool(EditorCore& core) : TwoCornerTool(core) {}

    void OnActivate() override;
    void OnDeactivate() override;
    void DrawPreview(IDrawing& view, Point mouse) const override;

protected:
    void OnSecondCorner(Point view) override;
    void OnClickAfterCorners(Point view) override;

private:
    Size InsetSize() const;
    void DrawInset(IDrawing& drawing, Point at) const;

    Rect m_regionView;     // the marked region on the view
    Rect m_regionPicture;  // the same region on the picture
    PicturePtr m_region;   // what the view showed there
};

}  // namespace snapwright
