#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

GdiPicture::GdiPicture(UniqueHbitmap bitmap, UniqueHpalette palette)
    : m_bitmap(std::move(bitmap)), m_palette(std::move(palette)) {
    BITMAP info{};
    if (m_bitmap && ::GetObjectW(m_bitmap.get(), sizeof(info), &info) == sizeof(info)) {
        m_width = info.bmWidth;
        m_height = info.bmHeight;
    }
}

BITMAPINFOHEADER Rgb24Header(LONG width, LONG height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(Rgb24RowBytes(width) * static_cast<std::uint64_t>(height));
    return header;
}

bool ReadRgb24Rows(HBITMAP bitmap, HPALETTE palette, void* rows) {
    BITMAP description{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(description), &description) == 0) return false;
    const WindowDc screen(nullptr, false);
    if (!screen) return false;
    // A picture of a 256-colour display reads its colours through its own palette.
    std::optional<ScopedSelectPalette> selected;
    if (palette) {
        selected.emplace(screen.get(), palette);
        ::RealizePalette(screen.get());
    }
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(description.bmWidth, description.bmHeight);
    return ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(description.bmHeight), rows, &info,
                       DIB_RGB_COLORS) == description.bmHeight;
}

PicturePtr BitmapToPicture(HBITMAP bitmap, HPALETTE palette) {
    UniqueHbitmap ownedBitmap(bitmap);
    UniqueHpalette ownedPalette(palette);
    if (!ownedBitmap) return nullptr;
    return std::make_shared<GdiPicture>(std::move(ownedBitmap), std::move(ownedPalette));
}

const GdiPicture* AsGdiPicture(const Picture* picture) {
    return dynamic_cast<const GdiPicture*>(picture);
}

PictureDc::PictureDc(const Picture& picture) : m_dc(::CreateCompatibleDC(nullptr)) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    if (!m_dc || !gdi || !gdi->Bitmap()) return;
    if (gdi->Palette()) {
        m_palette.emplace(m_dc.get(), gdi->Palette());
        ::RealizePalette(m_dc.get());
    }
    m_bitmap.emplace(m_dc.get(), gdi->Bitmap());
}

}  // namespace snapwright::win32
