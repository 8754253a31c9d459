#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// The tiles of 16 x 16 pixels of an area that something drawn touches, marked by the shapes it is
// made of, and given back as a few rectangles. What is painted again is then about the outline of
// a mark that moved, not the area it encloses. Every shape is marked with room for rounding.
class TileMask {
public:
    static constexpr int kTile = 16;
    static constexpr int kRoom = 2;  // pixels around a shape's ideal outline that rounding may reach

    explicit TileMask(Size area);

    // The pixels from left to right (inclusive) on the rows from top to bottom, `room` around them.
    void MarkSpan(double left, double right, double top, double bottom, double room = kRoom);
    void MarkRect(const Rect& rect);
    // A line from pixel to pixel, `room` on either side of it.
    void MarkLine(Point from, Point to, double room = kRoom);
    // The ring between two ellipses about one centre (the inner one may be the outer one: an outline).
    void MarkRing(double centreX, double centreY, double outerX, double outerY, double innerX, double innerY);

    // The marked tiles as rectangles: runs along each row of tiles, joined with the same runs of the
    // rows below them.
    std::vector<Rect> Areas() const;
    bool Empty() const;

private:
    std::size_t Index(int column, int row) const;

    int m_columns;
    int m_rows;
    std::vector<bool> m_marked;
};

}  // namespace snapwright
