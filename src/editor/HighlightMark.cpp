#include "editor/HighlightMark.h"

#include "editor/PixelFilters.h"

namespace snapwright {

void HighlightMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    Highlight(pixels, {m_box.left - at.x, m_box.top - at.y, m_box.width, m_box.height}, Style().colour);
}

}  // namespace snapwright
