#pragma once
// Painting known patterns and reading pixels back, for the tests of the capture adapters.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::testing {

// A colour per pixel that differs between neighbours in every channel.
inline std::uint32_t PatternPixel(int x, int y) {
    const auto r = static_cast<std::uint32_t>((x * 7 + y) & 0xFF);
    const auto g = static_cast<std::uint32_t>((y * 5 + 3 * x) & 0xFF);
    const auto b = static_cast<std::uint32_t>(((x + y) * 3) & 0xFF);
    return (r << 16) | (g << 8) | b;  // as a 32-bit DIB stores it: 0x00RRGGBB
}

inline BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

inline void PaintPattern(HDC dc, int left, int top, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[static_cast<std::size_t>(y) * width + x] = PatternPixel(x, y);
    BITMAPINFO info = TopDown32(width, height);
    ::SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

// The pattern's pixels as 0x00RRGGBB, top row first.
inline std::vector<std::uint32_t> PatternPixels(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(PatternPixel(x, y));
    return pixels;
}

// The pattern as a picture of a device bitmap, as one loaded from a file is, or of a DIB section,
// as the program captures it.
inline PicturePtr PatternPicture(int width, int height, bool deviceBitmap = true) {
    const win32::WindowDc screen(nullptr, false);
    win32::UniqueMemoryDc canvas(::CreateCompatibleDC(screen.get()));
    win32::UniqueHbitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    win32::ScopedSelectObject selected(canvas.get(), bitmap.get());
    PaintPattern(canvas.get(), 0, 0, width, height);
    if (!deviceBitmap) return win32::DCToPicture(canvas.get(), 0, 0, width, height, 1.0f);
    selected.Restore();
    return win32::BitmapToPicture(bitmap.release(), nullptr);
}

// The bitmap's pixels as 0x00RRGGBB, top row first; empty when they cannot be read.
inline std::vector<std::uint32_t> ReadPixels(HBITMAP bitmap) {
    BITMAP description{};
    if (::GetObjectW(bitmap, sizeof(description), &description) != sizeof(description)) return {};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(description.bmWidth) * description.bmHeight);
    BITMAPINFO info = TopDown32(description.bmWidth, description.bmHeight);
    HDC screen = ::GetDC(nullptr);
    const int lines = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(description.bmHeight), pixels.data(), &info,
                                  DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != description.bmHeight) return {};
    for (auto& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

}  // namespace snapwright::testing
