#pragma once
#include <cstdint>

#include "editor/EditorCore.h"

namespace snapwright {

inline constexpr double kZoomFactor = 1.5;
inline constexpr Colour kZoomColour = 0x0000FF;  // red

// The region of the view between two clicked points, both corner pixels included, whichever
// way round they were clicked.
Rect ZoomRegion(Point first, Point second);

// Magnifies a region of the picture into an inset burnt into the picture itself: two clicks mark
// the region, the third places its 1.5 times enlargement, framed and joined to it in red.
class ZoomTool {
public:
    explicit ZoomTool(EditorCore& core) : m_core(core) {}

    // Starts the tool; ends it only before the first click (the third click ends it by itself).
    void OnButton();
    void OnMouseMove(Point view);
    void OnMouseDown(Point view);
    // Forgets the clicks and the region, as the editor opens.
    void Reset() {
        m_clicks = 0;
        m_region.reset();
    }

private:
    Size InsetSize() const;
    void PlaceInset(Point view);

    EditorCore& m_core;
    std::uint8_t m_clicks = 0;
    Point m_firstView;
    Point m_firstPicture;
    Rect m_regionView;     // the marked region on the view
    Rect m_regionPicture;  // the same region on the picture
    PicturePtr m_region;   // what the view showed there
};

}  // namespace snapwright
