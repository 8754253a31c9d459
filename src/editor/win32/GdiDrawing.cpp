#include "editor/win32/GdiDrawing.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

int Nearest(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

template <typename Draw>
void GdiDrawing::WithPen(Colour colour, Draw draw) {
    UniqueHandle<GdiObjectTraits<HPEN>> pen(::CreatePen(PS_SOLID, 1, colour));
    ScopedSelectObject selectedPen(m_dc, pen.get());
    ScopedSelectObject selectedBrush(m_dc, ::GetStockObject(NULL_BRUSH));
    draw();
}

// GDI leaves out a line's last pixel; it is set too, so that a line ends where it was asked to.
void GdiDrawing::Line(Point from, Point to, Colour colour) {
    WithPen(colour, [&] {
        ::MoveToEx(m_dc, from.x, from.y, nullptr);
        ::LineTo(m_dc, to.x, to.y);
        ::SetPixelV(m_dc, to.x, to.y, colour);
    });
}

// GDI's rectangle leaves out the right and bottom edges given; they are included here.
void GdiDrawing::Rectangle(Point corner, Point oppositeCorner, Colour colour) {
    const int left = std::min(corner.x, oppositeCorner.x);
    const int right = std::max(corner.x, oppositeCorner.x);
    const int top = std::min(corner.y, oppositeCorner.y);
    const int bottom = std::max(corner.y, oppositeCorner.y);
    WithPen(colour, [&] { ::Rectangle(m_dc, left, top, right + 1, bottom + 1); });
}

void GdiDrawing::Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) {
    WithPen(colour, [&] {
        ::Ellipse(m_dc, Nearest(centreX - radiusX), Nearest(centreY - radiusY), Nearest(centreX + radiusX) + 1,
                  Nearest(centreY + radiusY) + 1);
    });
}

void GdiDrawing::StretchPicture(const PicturePtr& picture, const Rect& destination) {
    if (!picture) return;
    PictureDc source(*picture);
    if (!source) return;
    ::SetStretchBltMode(m_dc, COLORONCOLOR);
    ::StretchBlt(m_dc, destination.left, destination.top, destination.width, destination.height, source.get(), 0, 0,
                 picture->Width(), picture->Height(), SRCCOPY);
}

}  // namespace snapwright::win32
