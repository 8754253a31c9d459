#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/Picture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A bitmap (a 24-bit DIB section when captured) with an optional palette; owns both.
class GdiPicture : public Picture {
public:
    GdiPicture(UniqueHbitmap bitmap, UniqueHpalette palette);
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    HBITMAP Bitmap() const { return m_bitmap.get(); }
    HPALETTE Palette() const { return m_palette.get(); }

private:
    UniqueHbitmap m_bitmap;
    UniqueHpalette m_palette;
    int m_width = 0;
    int m_height = 0;
};

// A memory device context that holds a picture's bitmap (and palette) while it lives, so that the
// picture can be drawn from; empty for a picture of another kind.
class PictureDc {
public:
    explicit PictureDc(const Picture& picture);
    PictureDc(const PictureDc&) = delete;
    PictureDc& operator=(const PictureDc&) = delete;
    HDC get() const { return m_dc.get(); }
    // False when the picture has no bitmap, or its bitmap is selected into another context
    // already (a bitmap goes into one at a time): nothing could be read through this one.
    explicit operator bool() const { return m_bitmap && m_bitmap->Selected(); }

private:
    UniqueMemoryDc m_dc;
    std::optional<ScopedSelectObject> m_bitmap;
    std::optional<ScopedSelectPalette> m_palette;
};

// Pictures keep 24-bit bottom-up rows, each padded to four bytes: the layout of captured pictures,
// of packed clipboard DIBs, of bitmap files and of the rows a printer is sent.
constexpr std::uint64_t Rgb24RowBytes(std::int64_t width) {
    return (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
}
// The header of such rows; its image size is the rows' size.
BITMAPINFOHEADER Rgb24Header(LONG width, LONG height);
// Reads a bitmap's rows in that layout through a screen context, with the picture's palette when
// it has one; false unless every row was read.
bool ReadRgb24Rows(HBITMAP bitmap, HPALETTE palette, void* rows);

// Wraps a bitmap and a palette (may be null) into a picture that owns them; null for no bitmap.
PicturePtr BitmapToPicture(HBITMAP bitmap, HPALETTE palette);
// The GDI picture behind a picture of this program, or null.
const GdiPicture* AsGdiPicture(const Picture* picture);

}  // namespace snapwright::win32
