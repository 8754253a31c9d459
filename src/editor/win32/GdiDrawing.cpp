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

// ClearType would colour the edges of the letters by the display's sub-pixels, and those fringes
// would stay in every file the picture goes to; grey smoothing looks right on any display.
UniqueHfont TextFont(int pixelHeight) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -pixelHeight;
    face.lfWidth = 0;
    face.lfQuality = ANTIALIASED_QUALITY;
    return UniqueHfont(::CreateFontIndirectW(&face));
}

UINT TextLayout(int wrapWidth) {
    return DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP | (wrapWidth > 0 ? DT_WORDBREAK : 0);
}

Rect DrawTextAt(HDC dc, Point at, const std::wstring& text, Colour colour, int pixelHeight, int wrapWidth) {
    const UniqueHfont font = TextFont(pixelHeight);
    if (!font) return {};
    ScopedSelectObject selected(dc, font.get());
    RECT area{at.x, at.y, at.x + std::max(0, wrapWidth), at.y};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, TextLayout(wrapWidth) | DT_CALCRECT);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colour);
    RECT drawn = area;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawn, TextLayout(wrapWidth));
    // Smoothed edges and overhanging letters may reach a little beyond the measured box.
    const int spare = pixelHeight / 4 + 2;
    return {area.left - spare, area.top - spare, area.right - area.left + 2 * spare,
            area.bottom - area.top + 2 * spare};
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
