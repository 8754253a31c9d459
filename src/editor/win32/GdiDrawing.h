#pragma once
#include <windows.h>

#include <functional>

#include "editor/EditorPorts.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The editor's drawing on a device context: one-pixel outlines that include their end and corner
// pixels, and pictures stretched pixel by pixel (no smoothing, so that an enlargement shows the
// pixels it enlarges).
class GdiDrawing : public IDrawing {
public:
    // The context is asked for at each drawing: a window's is taken and given back every time.
    explicit GdiDrawing(std::function<HDC()> acquire, std::function<void(HDC)> release = nullptr)
        : m_acquire(std::move(acquire)), m_release(std::move(release)) {}

    void Line(Point from, Point to, Colour colour) override;
    void Rectangle(Point corner, Point oppositeCorner, Colour colour) override;
    void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) override;
    void StretchPicture(const Picture& picture, const Rect& destination) override;

private:
    template <typename Draw>
    void WithPen(Colour colour, Draw draw);

    std::function<HDC()> m_acquire;
    std::function<void(HDC)> m_release;
};

// A copy of a picture in a memory context, drawn on and copied out as new pictures.
class GdiWorkingPicture : public IWorkingPicture {
public:
    explicit GdiWorkingPicture(const Picture& picture);
    bool Ready() const { return m_selected.has_value(); }

    void Line(Point from, Point to, Colour colour) override { m_drawing.Line(from, to, colour); }
    void Rectangle(Point corner, Point opposite, Colour colour) override { m_drawing.Rectangle(corner, opposite, colour); }
    void Ellipse(double cx, double cy, double rx, double ry, Colour colour) override { m_drawing.Ellipse(cx, cy, rx, ry, colour); }
    void StretchPicture(const Picture& picture, const Rect& destination) override {
        m_drawing.StretchPicture(picture, destination);
    }
    PicturePtr CopyOut(const Rect& region) override;

private:
    UniqueMemoryDc m_dc;
    UniqueHbitmap m_bitmap;
    std::optional<ScopedSelectObject> m_selected;
    GdiDrawing m_drawing;
};

}  // namespace snapwright::win32
