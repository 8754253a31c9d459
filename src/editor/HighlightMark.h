#pragma once
#include "editor/BoxMark.h"

namespace snapwright {

// A highlighter's stroke over its box: the pixels under it multiplied by its colour, as ink lies
// over paper.
class HighlightMark : public BoxMark {
public:
    using BoxMark::BoxMark;
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<HighlightMark>(*this); }

    Rect Bounds() const override { return m_box; }
    bool Hits(Point at) const override { return Contains(Grown(m_box, kHitTolerance), at); }
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
};

}  // namespace snapwright
