#pragma once
#include "editor/BoxMark.h"

namespace snapwright {

// An ellipse around its box: a ring as thick as its strength whose inside touches the middles of
// the box's edges, so that what it rings stays clear. Its pixels are whole, as a pen draws them.
class EllipseMark : public BoxMark {
public:
    using BoxMark::BoxMark;
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<EllipseMark>(*this); }

    Rect Bounds() const override;
    bool Hits(Point at) const override;
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    void Cover(TileMask& tiles) const override;

private:
    struct Ring {
        double centreX, centreY;  // in pixel indices: the middle of the box
        double innerX, innerY;    // semi-axes of the ellipse inside the ring
        double outerX, outerY;    // and outside it
    };
    Ring Shape() const;
};

}  // namespace snapwright
