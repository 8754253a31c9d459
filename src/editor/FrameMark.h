#pragma once
#include "editor/BoxMark.h"

namespace snapwright {

// A rectangle frame around its box: as many one-pixel rings as its strength, the innermost one a
// pixel outside the box, so that what it frames stays clear.
class FrameMark : public BoxMark {
public:
    using BoxMark::BoxMark;
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<FrameMark>(*this); }

    Rect Bounds() const override;
    bool Hits(Point at) const override;
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    void Cover(TileMask& tiles) const override;

private:
    // The four sides of the frame: top, bottom, left, right.
    std::vector<Rect> Sides() const;
};

}  // namespace snapwright
