#include "editor/FrameMark.h"

#include "editor/PixelFilters.h"
#include "editor/TileMask.h"

namespace snapwright {

Rect FrameMark::Bounds() const {
    return Grown(m_box, Style().strength);
}

std::vector<Rect> FrameMark::Sides() const {
    const Rect outer = Bounds();
    const int strength = Style().strength;
    return {{outer.left, outer.top, outer.width, strength},
            {outer.left, m_box.top + m_box.height, outer.width, strength},
            {outer.left, m_box.top, strength, m_box.height},
            {m_box.left + m_box.width, m_box.top, strength, m_box.height}};
}

// A press within reach of the rings, on either side of them; what the frame encloses stays free
// for the marks inside it.
bool FrameMark::Hits(Point at) const {
    return Contains(Grown(Bounds(), kHitTolerance), at) && !Contains(Grown(m_box, -kHitTolerance), at);
}

void FrameMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    for (const Rect& side : Sides()) {
        FillSolid(pixels, {side.left - at.x, side.top - at.y, side.width, side.height}, Style().colour);
    }
}

void FrameMark::Cover(TileMask& tiles) const {
    for (const Rect& side : Sides()) tiles.MarkRect(side);
}

}  // namespace snapwright
