#include "editor/win32/GdiDrawing.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

namespace {

int Nearest(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

template <typename Draw>
void GdiDrawing::WithPen(Colour colour, Draw draw) {
    HDC dc = m_acquire();
    if (!dc) return;
    {
        UniqueHandle<GdiObjectTraits<HPEN>> pen(::CreatePen(PS_SOLID, 1, colour));
        ScopedSelectObject selectedPen(dc, pen.get());
        ScopedSelectObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
        draw(dc);
    }
    if (m_release) m_release(dc);
}

// GDI leaves out a line's last pixel; it is set too, so that a line ends where it was asked to.
void GdiDrawing::Line(Point from, Point to, Colour colour) {
    WithPen(colour, [&](HDC dc) {
        ::MoveToEx(dc, from.x, from.y, nullptr);
        ::LineTo(dc, to.x, to.y);
        ::SetPixelV(dc, to.x, to.y, colour);
    });
}

// GDI's rectangle leaves out the right and bottom edges given; they are included here.
void GdiDrawing::Rectangle(Point corner, Point oppositeCorner, Colour colour) {
    const int left = std::min(corner.x, oppositeCorner.x);
    const int right = std::max(corner.x, oppositeCorner.x);
    const int top = std::min(corner.y, oppositeCorner.y);
    const int bottom = std::max(corner.y, oppositeCorner.y);
    WithPen(colour, [&](HDC dc) { ::Rectangle(dc, left, top, right + 1, bottom + 1); });
}

void GdiDrawing::Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) {
    WithPen(colour, [&](HDC dc) {
        ::Ellipse(dc, Nearest(centreX - radiusX), Nearest(centreY - radiusY), Nearest(centreX + radiusX) + 1,
                  Nearest(centreY + radiusY) + 1);
    });
}

void GdiDrawing::StretchPicture(const Picture& picture, const Rect& destination) {
    HDC dc = m_acquire();
    if (!dc) return;
    {
        PictureDc source(picture);
        if (source) {
            ::SetStretchBltMode(dc, COLORONCOLOR);
            ::StretchBlt(dc, destination.left, destination.top, destination.width, destination.height, source.get(), 0,
                         0, picture.Width(), picture.Height(), SRCCOPY);
        }
    }
    if (m_release) m_release(dc);
}

GdiWorkingPicture::GdiWorkingPicture(const Picture& picture)
    : m_dc(::CreateCompatibleDC(nullptr)), m_drawing([this] { return m_dc.get(); }) {
    PictureDc source(picture);
    if (!m_dc || !source) return;
    {
        const WindowDc screen(nullptr, false);
        m_bitmap.reset(::CreateCompatibleBitmap(screen.get(), picture.Width(), picture.Height()));
    }
    if (!m_bitmap) return;
    m_selected.emplace(m_dc.get(), m_bitmap.get());
    ::BitBlt(m_dc.get(), 0, 0, picture.Width(), picture.Height(), source.get(), 0, 0, SRCCOPY);
}

PicturePtr GdiWorkingPicture::CopyOut(const Rect& region) {
    if (!Ready()) return nullptr;
    return DCToPicture(m_dc.get(), region.left, region.top, region.width, region.height, 1.0f);
}

}  // namespace snapwright::win32
