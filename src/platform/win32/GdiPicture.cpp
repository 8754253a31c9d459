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
