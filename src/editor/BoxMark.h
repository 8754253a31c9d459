#pragma once
#include "editor/Mark.h"

namespace snapwright {

// A mark laid out in a box: a frame, an ellipse, a highlight, a redaction, a text. Its eight
// handles stand at the box's corners and edge middles, clockwise from the top-left corner; a
// handle drags its edges, and an edge dragged past the opposite one turns the box over.
class BoxMark : public Mark {
public:
    enum Handle : std::size_t { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

    // The box between two corners, both inside it, whichever way round they are given.
    BoxMark(Point corner, Point opposite, const MarkStyle& style);

    const Rect& Box() const { return m_box; }
    std::vector<Point> Handles() const override;
    void MoveBy(int dx, int dy) override;
    void DragHandle(std::size_t handle, Point to) override;

protected:
    virtual void SetBox(const Rect& box) { m_box = box; }

    Rect m_box;
};

// The box of `box` with the edges that a handle drags moved to a point.
Rect DraggedBox(const Rect& box, std::size_t handle, Point to);

}  // namespace snapwright
