#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "editor/EditorPorts.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A copy of a picture in a 24-bit DIB section, drawn on with GDI and read and written row by row.
class GdiWorkingPicture : public IWorkingPicture {
public:
    explicit GdiWorkingPicture(const Picture& picture);
    bool Ready() const { return m_selected.has_value(); }
    // The memory context that holds the copy, to paint from.
    HDC Dc() const { return m_dc.get(); }

    void Line(Point from, Point to, Colour colour) override { m_drawing.Line(from, to, colour); }
    void Rectangle(Point corner, Point opposite, Colour colour) override {
        m_drawing.Rectangle(corner, opposite, colour);
    }
    void Ellipse(double cx, double cy, double rx, double ry, Colour colour) override {
        m_drawing.Ellipse(cx, cy, rx, ry, colour);
    }
    void StretchPicture(const PicturePtr& picture, const Rect& destination) override {
        m_drawing.StretchPicture(picture, destination);
    }
    RgbImage ReadPixels(const Rect& region) override;
    void WritePixels(const RgbImage& pixels, Point at) override;
    PicturePtr CopyOut(const Rect& region) override;
    Rect Text(Point at, const std::string& text, Colour colour, int pixelHeight, int wrapWidth) override;

private:
    RgbRows Rows() const;

    UniqueMemoryDc m_dc;
    UniqueHbitmap m_bitmap;
    std::optional<ScopedSelectObject> m_selected;
    std::uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    GdiDrawing m_drawing;
};

// The editor's pictures made and read through GDI; a picture of pixels is a 24-bit bottom-up DIB
// section, as a capture is.
class GdiPictureTools : public IPictureTools {
public:
    std::unique_ptr<IWorkingPicture> WorkOn(const Picture& picture) override;
    RgbImage PixelsOf(const Picture& picture, const Rect& region) override;
    PicturePtr PictureOf(const RgbImage& pixels) override;
};

}  // namespace snapwright::win32
