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
// The edges of the blocks along a length, from 0 to the length: whole blocks of `block`, what
// remains joining the last one (one block where the length is smaller).
std::vector<int> BlockEdges(int length, int block);
// Blocks of at least `block` pixels a side (the whole region where it is smaller), each filled
// with the average of its pixels; what remains at the right and bottom joins the last blocks.
void Pixelate(RgbImage& image, const Rect& region, int block);
void FillSolid(RgbImage& image, const Rect& region, Colour colour);
// Every pixel the average of them all, each channel rounded to the nearest.
void FillWithAverage(RgbImage& image, const Rect& region);
// The area that lies in any of the polygons filled with the colour, its edges smoothed: a pixel
// takes the colour in the share of it that is covered. `origin` is the image's place on the
// picture that the polygons are given in.
void FillPolygons(RgbImage& image, Point origin, const std::vector<Polygon>& polygons, Colour colour);
// The pixels that polygons reach, with a pixel to spare.
Rect BoundsOf(const std::vector<Polygon>& polygons);

}  // namespace snapwright
