#pragma once
#include <vector>

#include "editor/RgbImage.h"

namespace snapwright {

// A point between pixels: pixel (x, y) covers x to x + 1 and y to y + 1.
struct PointF {
    double x = 0;
    double y = 0;
};
using Polygon = std::vector<PointF>;

// The filters of the marking tools, on the part of a region that lies on the image.

// Each channel multiplied by the colour's (as a highlighter's ink lies over the paper).
void Highlight(RgbImage& image, const Rect& region, Colour colour);
// Blocks of at least `block` pixels a side (the whole region where it is smaller), each filled
// with the average of its pixels; what remains at the right and bottom joins the last blocks.
void Pixelate(RgbImage& image, const Rect& region, int block);
void FillSolid(RgbImage& image, const Rect& region, Colour colour);
// The area that lies in any of the polygons filled with the colour, its edges smoothed: a pixel
// takes the colour in the share of it that is covered. `origin` is the image's place on the
// picture that the polygons are given in.
void FillPolygons(RgbImage& image, Point origin, const std::vector<Polygon>& polygons, Colour colour);
// The pixels that polygons reach, with a pixel to spare.
Rect BoundsOf(const std::vector<Polygon>& polygons);

}  // namespace snapwright
