#include "editor/EllipseMark.h"

#include <algorithm>
#include <cmath>

#include "editor/PixelFilters.h"
#include "editor/TileMask.h"

namespace snapwright {

namespace {

// The half-width of an ellipse on a row at a distance from its centre; negative off the ellipse.
double HalfWidth(double radiusX, double radiusY, double dy) {
    if (radiusX <= 0 || radiusY <= 0 || std::abs(dy) > radiusY) return -1;
    const double t = dy / radiusY;
    return radiusX * std::sqrt(1 - t * t);
}

bool Inside(double dx, double dy, double radiusX, double radiusY) {
    if (radiusX <= 0 || radiusY <= 0) return false;
    const double x = dx / radiusX;
    const double y = dy / radiusY;
    return x * x + y * y <= 1;
}

}  // namespace

// A pixel belongs to the ring when its centre lies inside the outer ellipse and outside the inner
// one. Half a pixel beyond the box's edge middles the inner ellipse leaves the edge pixels out
// and the next ones in: the ring starts a pixel outside the box, as a frame does.
EllipseMark::Ring EllipseMark::Shape() const {
    const double innerX = m_box.width / 2.0;
    const double innerY = m_box.height / 2.0;
    const int strength = Style().strength;
    return {m_box.left + (m_box.width - 1) / 2.0, m_box.top + (m_box.height - 1) / 2.0, innerX, innerY,
            innerX + strength, innerY + strength};
}

Rect EllipseMark::Bounds() const {
    return Grown(m_box, Style().strength);
}

bool EllipseMark::Hits(Point at) const {
    const Ring ring = Shape();
    const double dx = at.x - ring.centreX;
    const double dy = at.y - ring.centreY;
    return Inside(dx, dy, ring.outerX + kHitTolerance, ring.outerY + kHitTolerance) &&
           !Inside(dx, dy, ring.innerX - kHitTolerance, ring.innerY - kHitTolerance);
}

// Row by row: the stretch of the outer ellipse, without that of the inner one.
void EllipseMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    const Ring ring = Shape();
    const Colour colour = Style().colour;
    const Rect bounds = Bounds();
    const int firstRow = std::max(bounds.top, at.y);
    const int lastRow = std::min(bounds.top + bounds.height, at.y + pixels.Height()) - 1;
    for (int y = firstRow; y <= lastRow; ++y) {
        const double dy = y - ring.centreY;
        const double outer = HalfWidth(ring.outerX, ring.outerY, dy);
        if (outer < 0) continue;
        const int left = static_cast<int>(std::ceil(ring.centreX - outer));
        const int right = static_cast<int>(std::floor(ring.centreX + outer));
        const double inner = HalfWidth(ring.innerX, ring.innerY, dy);
        const auto fill = [&](int from, int to) {
            if (to >= from) FillSolid(pixels, {from - at.x, y - at.y, to - from + 1, 1}, colour);
        };
        if (inner < 0) {
            fill(left, right);
            continue;
        }
        fill(left, static_cast<int>(std::ceil(ring.centreX - inner)) - 1);
        fill(static_cast<int>(std::floor(ring.centreX + inner)) + 1, right);
    }
}

void EllipseMark::Cover(TileMask& tiles) const {
    const Ring ring = Shape();
    tiles.MarkRing(ring.centreX, ring.centreY, ring.outerX, ring.outerY, ring.innerX, ring.innerY);
}

}  // namespace snapwright
