#include "save/win32/GdiBitmapFile.h"

#include <cstring>

#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

std::vector<std::uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette) {
    BITMAP description{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(description), &description) == 0 || description.bmWidth <= 0 ||
        description.bmHeight <= 0) {
        return {};
    }
    // Bottom-up, as bitmap files keep their rows.
    const BITMAPINFOHEADER header = Rgb24Header(description.bmWidth, description.bmHeight);
    const std::size_t pixelBytes = header.biSizeImage;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelBytes);

    std::vector<std::uint8_t> bytes(file.bfOffBits + pixelBytes);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &header, sizeof(header));
    if (!ReadRgb24Rows(bitmap, palette, bytes.data() + file.bfOffBits)) return {};
    return bytes;
}

FileOutcome GdiBitmapFile::SaveBitmapFile(const Picture& picture, const std::string& path) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    const std::vector<std::uint8_t> bytes =
        gdi ? BitmapFileBytes(gdi->Bitmap(), gdi->Palette()) : std::vector<std::uint8_t>();
    if (bytes.empty()) return FileOutcome::Failure(FileFailure::PictureUnreadable);
    return m_files.WriteFile(path, bytes);
}

}  // namespace snapwright::win32
