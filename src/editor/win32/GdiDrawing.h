#pragma once
#include <windows.h>

#include <string>

#include "editor/EditorPorts.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The editor's drawing on a device context: one-pixel outlines that include their end and corner
// pixels, and pictures stretched pixel by pixel (no smoothing, so that an enlargement shows the
// pixels it enlarges).
class GdiDrawing : public IDrawing {
public:
    explicit GdiDrawing(HDC dc) : m_dc(dc) {}

    void Line(Point from, Point to, Colour colour) override;
    void Rectangle(Point corner, Point oppositeCorner, Colour colour) override;
    void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) override;
    void StretchPicture(const PicturePtr& picture, const Rect& destination) override;

private:
    template <typename Draw>
    void WithPen(Colour colour, Draw draw);

    HDC m_dc;
};

// The font of the editor's text: the system's UI face, characters `pixelHeight` pixels high,
// smoothed in grey only.
UniqueHfont TextFont(int pixelHeight);
// The flags by which the text field and the picture lay out text alike, wrapped at a width or not.
UINT TextLayout(int wrapWidth);
// Text drawn in the font from its top-left corner; the area it covers.
Rect DrawTextAt(HDC dc, Point at, const std::wstring& text, Colour colour, int pixelHeight, int wrapWidth);

}  // namespace snapwright::win32
