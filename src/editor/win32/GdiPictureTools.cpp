#include "editor/win32/GdiPictureTools.h"

#include <vector>

#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

namespace {

// A 24-bit bottom-up DIB section of a size, and where its rows lie.
UniqueHbitmap Rgb24Section(HDC dc, int width, int height, std::uint8_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(width, height);
    void* memory = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    bits = static_cast<std::uint8_t*>(memory);
    return bitmap;
}

// The rows of such a section, from the top row down.
RgbRows BottomUpRows(std::uint8_t* bits, int width, int height) {
    const auto stride = static_cast<std::ptrdiff_t>(Rgb24RowBytes(width));
    return {bits + stride * (height - 1), -stride, width, height};
}

}  // namespace

GdiWorkingPicture::GdiWorkingPicture(const Picture& picture)
    : m_dc(::CreateCompatibleDC(nullptr)), m_width(picture.Width()), m_height(picture.Height()), m_drawing(m_dc.get()) {
    PictureDc source(picture);
    if (!m_dc || !source || m_width <= 0 || m_height <= 0) return;
    m_bitmap = Rgb24Section(m_dc.get(), m_width, m_height, m_bits);
    if (!m_bitmap) return;
    m_selected.emplace(m_dc.get(), m_bitmap.get());
    ::BitBlt(m_dc.get(), 0, 0, m_width, m_height, source.get(), 0, 0, SRCCOPY);
}

RgbRows GdiWorkingPicture::Rows() const {
    return BottomUpRows(m_bits, m_width, m_height);
}

// GDI may still be drawing into the section: it finishes before the rows are touched.
RgbImage GdiWorkingPicture::ReadPixels(const Rect& region) {
    if (!Ready()) return {};
    ::GdiFlush();
    return CopyFrom(Rows(), region);
}

void GdiWorkingPicture::WritePixels(const RgbImage& pixels, Point at) {
    if (!Ready()) return;
    ::GdiFlush();
    PasteInto(Rows(), pixels, at);
}

PicturePtr GdiWorkingPicture::CopyOut(const Rect& region) {
    if (!Ready()) return nullptr;
    return DCToPicture(m_dc.get(), region.left, region.top, region.width, region.height, 1.0f);
}

std::unique_ptr<IWorkingPicture> GdiPictureTools::WorkOn(const Picture& picture) {
    return std::make_unique<GdiWorkingPicture>(picture);
}

// A picture in the program's own layout is read straight from its rows; any other through GDI.
RgbImage GdiPictureTools::PixelsOf(const Picture& picture, const Rect& region) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    const int width = picture.Width();
    const int height = picture.Height();
    if (!gdi || !gdi->Bitmap() || width <= 0 || height <= 0) return {};
    DIBSECTION section{};
    std::uint8_t* rows = nullptr;
    std::vector<std::uint8_t> read;
    if (::GetObjectW(gdi->Bitmap(), sizeof(section), &section) == sizeof(section) && section.dsBm.bmBits &&
        section.dsBmih.biBitCount == 24 && section.dsBmih.biCompression == BI_RGB && section.dsBmih.biHeight > 0) {
        ::GdiFlush();
        rows = static_cast<std::uint8_t*>(section.dsBm.bmBits);
    } else {
        read.resize(Rgb24RowBytes(width) * static_cast<std::size_t>(height));
        if (!ReadRgb24Rows(gdi->Bitmap(), gdi->Palette(), read.data())) return {};
        rows = read.data();
    }
    return CopyFrom(BottomUpRows(rows, width, height), region);
}

PicturePtr GdiPictureTools::PictureOf(const RgbImage& pixels) {
    if (pixels.Empty()) return nullptr;
    std::uint8_t* bits = nullptr;
    UniqueHbitmap bitmap = Rgb24Section(nullptr, pixels.Width(), pixels.Height(), bits);
    if (!bitmap) return nullptr;
    PasteInto(BottomUpRows(bits, pixels.Width(), pixels.Height()), pixels, {0, 0});
    return BitmapToPicture(bitmap.release(), nullptr);
}

}  // namespace snapwright::win32
