#pragma once
#include "editor/Mark.h"
#include "editor/PixelFilters.h"

namespace snapwright {

// An arrow as two filled polygons: the shaft, as wide as the line strength, and the head, a
// triangle whose tip is the head point and whose length and base follow from the strength. An
// arrow shorter than its head is all head; one of no length is nothing.
struct ArrowShape {
    Polygon shaft;
    Polygon head;
};
// Ends at pixel centres.
ArrowShape ArrowOf(Point tail, Point head, int strength);
double ArrowHeadLength(int strength);

// An arrow from its tail to its head, in its colour and strength, its edges smoothed. Its two
// handles are its ends: the tail first.
class ArrowMark : public Mark {
public:
    ArrowMark(Point tail, Point head, const MarkStyle& style) : Mark(style), m_tail(tail), m_head(head) {}
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<ArrowMark>(*this); }

    Point Tail() const { return m_tail; }
    Point Head() const { return m_head; }

    Rect Bounds() const override;
    bool Hits(Point at) const override;
    std::vector<Point> Handles() const override { return {m_tail, m_head}; }
    void MoveBy(int dx, int dy) override;
    void DragHandle(std::size_t handle, Point to) override;
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    void Cover(TileMask& tiles) const override;

private:
    std::vector<Polygon> Parts() const;

    Point m_tail;
    Point m_head;
};

}  // namespace snapwright
