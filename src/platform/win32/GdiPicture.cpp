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

}  // namespace snapwright::win32
