#pragma once
#include <windows.h>

#include "editor/EditorPorts.h"

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

}  // namespace snapwright::win32
