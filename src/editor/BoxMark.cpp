#include "editor/BoxMark.h"

#include <algorithm>
#include <cstdlib>

namespace snapwright {

namespace {

Rect Between(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x) + 1, std::abs(b.y - a.y) + 1};
}

}  // namespace

BoxMark::BoxMark(Point corner, Point opposite, const MarkStyle& style)
    : Mark(style), m_box(Between(corner, opposite)) {}

std::vector<Point> BoxMark::Handles() const {
    const int left = m_box.left;
    const int top = m_box.top;
    const int right = m_box.left + m_box.width - 1;
    const int bottom = m_box.top + m_box.height - 1;
    const int middleX = left + (m_box.width - 1) / 2;
    const int middleY = top + (m_box.height - 1) / 2;
    return {{left, top},     {middleX, top},     {right, top},   {right, middleY},
            {right, bottom}, {middleX, bottom}, {left, bottom}, {left, middleY}};
}

void BoxMark::MoveBy(int dx, int dy) {
    m_box.left += dx;
    m_box.top += dy;
}

void BoxMark::DragHandle(std::size_t handle, Point to) {
    SetBox(DraggedBox(m_box, handle, to));
}

Rect DraggedBox(const Rect& box, std::size_t handle, Point to) {
    Point first{box.left, box.top};
    Point last{box.left + box.width - 1, box.top + box.height - 1};
    using enum BoxMark::Handle;
    if (handle == TopLeft || handle == Left || handle == BottomLeft) first.x = to.x;
    if (handle == TopRight || handle == Right || handle == BottomRight) last.x = to.x;
    if (handle == TopLeft || handle == Top || handle == TopRight) first.y = to.y;
    if (handle == BottomLeft || handle == Bottom || handle == BottomRight) last.y = to.y;
    return Between(first, last);
}

}  // namespace snapwright
