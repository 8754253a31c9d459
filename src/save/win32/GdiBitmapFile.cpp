#include "save/win32/GdiBitmapFile.h"

#include <cstring>
#include <optional>

#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

std::vector<std::uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette) {
    BITMAP description{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(description), &description) == 0 || description.bmWidth <= 0 ||
        description.bmHeight <= 0) {
        return {};
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = description.bmWidth;
    header.biHeight = description.bmHeight;  // bottom-up, as bitmap files keep their rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(description.bmWidth) * 3 + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(description.bmHeight);
    header.biSizeImage = static_cast<DWORD>(pixelBytes);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelBytes);

    std::vector<std::uint8_t> bytes(file.bfOffBits + pixelBytes);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &header, sizeof(header));

    WindowDc screen(nullptr, false);
    if (!screen) return {};
    // A picture of a 256-colour display reads its colours through its own palette.
    std::optional<ScopedSelectPalette> selected;
    if (palette) {
        selected.emplace(screen.get(), palette);
        ::RealizePalette(screen.get());
    }
    BITMAPINFO info{};
    info.bmiHeader = header;
    const int lines = ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(description.bmHeight),
                                  bytes.data() + file.bfOffBits, &info, DIB_RGB_COLORS);
    if (lines != description.bmHeight) return {};
    return bytes;
}

FileOutcome GdiBitmapFile::SaveBitmapFile(const Picture& picture, const std::string& path) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    const std::vector<std::uint8_t> bytes =
        gdi ? BitmapFileBytes(gdi->Bitmap(), gdi->Palette()) : std::vector<std::uint8_t>();
    if (bytes.empty()) return FileOutcome::Failure("The pixels of the screenshot could not be read.");
    return m_files.WriteFile(path, bytes);
}

}  // namespace snapwright::win32
