#include "platform/win32/GdiCapture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

// On a 256-colour display the picture needs a copy of the system palette to keep its colours.
UniqueHpalette SystemPaletteCopy(HDC source) {
    if (!(::GetDeviceCaps(source, RASTERCAPS) & RC_PALETTE) || ::GetDeviceCaps(source, SIZEPALETTE) != 256) {
        return UniqueHpalette();
    }
    std::vector<BYTE> record(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY), 0);
    auto* palette = reinterpret_cast<LOGPALETTE*>(record.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    ::GetSystemPaletteEntries(source, 0, 256, palette->palPalEntry);
    return UniqueHpalette(::CreatePalette(palette));
}

// Pictures are 24-bit bottom-up DIB sections: the layout of a packed clipboard DIB, so that the
// clipboard copy is a plain memory copy.
UniqueHbitmap PictureBitmap(HDC source, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(width, height);
    void* bits = nullptr;
    return UniqueHbitmap(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// A new picture of a size, drawn by `draw` into a memory context compatible with the source.
template <typename Draw>
PicturePtr MakePicture(HDC source, int width, int height, Draw draw) {
    if (!source || width <= 0 || height <= 0) return nullptr;
    UniqueMemoryDc memory(::CreateCompatibleDC(source));
    UniqueHbitmap bitmap = PictureBitmap(source, width, height);
    if (!memory || !bitmap) return nullptr;

    UniqueHpalette palette = SystemPaletteCopy(source);
    ScopedSelectObject selectedBitmap(memory.get(), bitmap.get());
    std::optional<ScopedSelectPalette> selectedPalette;
    if (palette) {
        selectedPalette.emplace(memory.get(), palette.get());
        ::RealizePalette(memory.get());
    }

    draw(memory.get());

    // The bitmap and palette must be out of the memory context before it is deleted.
    selectedBitmap.Restore();
    if (selectedPalette) selectedPalette->Restore();
    // Drawing into a DIB section may be batched; the pixels must be there before anyone reads them.
    ::GdiFlush();
    return BitmapToPicture(bitmap.release(), palette.release());
}

}  // namespace

// Wine's display driver reads a block of the screen through an image of the whole block and a
// converted copy of it: 1920 x 1080 at once takes 20 MB of memory for a moment, beside the picture.
// In bands of about a megabyte of the screen's pixels each it takes little, and is a little faster.
bool CopyInBands(HDC target, int left, int top, int width, int height, HDC source, int sourceLeft, int sourceTop) {
    constexpr int kBandBytes = 1 << 20;
    const int bandRows = std::max(1, kBandBytes / (4 * std::max(width, 1)));
    for (int row = 0; row < height; row += bandRows) {
        const int rows = std::min(bandRows, height - row);
        if (!::BitBlt(target, left, top + row, width, rows, source, sourceLeft, sourceTop + row, SRCCOPY)) return false;
    }
    return true;
}

PicturePtr DCToPicture(HDC source, int left, int top, int width, int height, float zoom) {
    return MakePicture(source, width, height, [&](HDC memory) {
        if (zoom == 1.0f) {
            CopyInBands(memory, 0, 0, width, height, source, left, top);
            return;
        }
        ::SetStretchBltMode(memory, HALFTONE);
        ::SetBrushOrgEx(memory, 0, 0, nullptr);
        const int targetWidth = static_cast<int>(std::nearbyint(static_cast<double>(zoom) * width));
        const int targetHeight = static_cast<int>(std::nearbyint(static_cast<double>(zoom) * height));
        ::StretchBlt(memory, 0, 0, targetWidth, targetHeight, source, left, top, width, height, SRCCOPY);
    });
}

// The screen's context has virtual-screen coordinates: a monitor left of or above the primary is
// read at negative ones. What no monitor shows is black.
PicturePtr GdiScreenCapture::GrabScreenArea(const Rect& area, const std::vector<Rect>& shownParts) {
    const WindowDc screen(nullptr, false);
    return MakePicture(screen.get(), area.width, area.height, [&](HDC memory) {
        if (shownParts.size() != 1 || shownParts.front() != area) {
            ::PatBlt(memory, 0, 0, area.width, area.height, BLACKNESS);
        }
        for (const Rect& part : shownParts) {
            CopyInBands(memory, part.left - area.left, part.top - area.top, part.width, part.height, screen.get(),
                        part.left, part.top);
        }
    });
}

}  // namespace snapwright::win32
