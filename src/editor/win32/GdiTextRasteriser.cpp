#include "editor/win32/GdiTextRasteriser.h"

#include <algorithm>

#include "editor/win32/GdiDrawing.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

namespace {

// The line in UTF-16, and for each of its characters the last of its code units.
std::wstring Utf16(const std::u32string& line, std::vector<std::size_t>& lastUnits) {
    std::wstring wide;
    for (char32_t c : line) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            wide += static_cast<wchar_t>(0xD800 + (c >> 10));
            wide += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(c);
        }
        lastUnits.push_back(wide.size() - 1);
    }
    return wide;
}

}  // namespace

GdiTextRasteriser::GdiTextRasteriser() : m_dc(::CreateCompatibleDC(nullptr)) {}

HDC GdiTextRasteriser::WithFont(int pixelHeight) {
    if (!m_dc) return nullptr;
    auto found = m_fonts.find(pixelHeight);
    if (found == m_fonts.end()) {
        UniqueHfont font = TextFont(pixelHeight);
        if (!font) return nullptr;
        found = m_fonts.emplace(pixelHeight, std::move(font)).first;
    }
    m_selected.reset();
    m_selected.emplace(m_dc.get(), found->second.get());
    return m_dc.get();
}

int GdiTextRasteriser::LineHeight(int pixelHeight) {
    HDC dc = WithFont(pixelHeight);
    TEXTMETRICW metrics{};
    if (!dc || !::GetTextMetricsW(dc, &metrics)) return pixelHeight;
    return metrics.tmHeight;
}

std::vector<int> GdiTextRasteriser::Extents(const std::u32string& line, int pixelHeight) {
    std::vector<std::size_t> lastUnits;
    const std::wstring wide = Utf16(line, lastUnits);
    std::vector<int> unitExtents(wide.size());
    SIZE size{};
    HDC dc = WithFont(pixelHeight);
    if (!dc || wide.empty() ||
        !::GetTextExtentExPointW(dc, wide.c_str(), static_cast<int>(wide.size()), 0, nullptr, unitExtents.data(), &size)) {
        return std::vector<int>(line.size(), 0);
    }
    std::vector<int> extents;
    for (std::size_t unit : lastUnits) extents.push_back(unitExtents[unit]);
    return extents;
}

// Letters may reach beyond their advances (an italic's overhang, a smoothed edge): the bitmap has
// room around the line, and the mask keeps only what the letters cover.
GlyphMask GdiTextRasteriser::Rasterise(const std::u32string& line, int pixelHeight) {
    std::vector<std::size_t> lastUnits;
    const std::wstring wide = Utf16(line, lastUnits);
    HDC dc = WithFont(pixelHeight);
    SIZE size{};
    if (!dc || wide.empty() || !::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size)) return {};
    const int spare = pixelHeight / 4 + 2;
    const int width = size.cx + 2 * spare;
    const int height = size.cy + 2 * spare;
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(width, height);
    void* bits = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    {
        ScopedSelectObject selectedBitmap(dc, bitmap.get());
        const RECT all{0, 0, width, height};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(255, 255, 255));
        ::TextOutW(dc, spare, spare, wide.c_str(), static_cast<int>(wide.size()));
        ::GdiFlush();
    }
    // The section's rows lie from the bottom up; white letters have the coverage in every channel.
    const auto* rows = static_cast<const std::uint8_t*>(bits);
    const std::size_t stride = Rgb24RowBytes(width);
    const auto cover = [&](int x, int y) {
        return rows[stride * static_cast<std::size_t>(height - 1 - y) + 3 * static_cast<std::size_t>(x) + 1];
    };
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (cover(x, y) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    GlyphMask mask;
    if (right < 0) return mask;
    mask.area = {left - spare, top - spare, right - left + 1, bottom - top + 1};
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) mask.coverage.push_back(cover(x, y));
    }
    return mask;
}

}  // namespace snapwright::win32
