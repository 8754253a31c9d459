#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// A line of text as the share of each pixel that its letters cover, 0 (none) to 255 (all), in
// rows from the top.
struct GlyphMask {
    Rect area;  // where the pixels lie, from the line's top-left corner
    std::vector<std::uint8_t> coverage;
    std::uint8_t At(int x, int y) const {
        return coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(area.width) + static_cast<std::size_t>(x)];
    }
};

// The letters of the editor's text from the system's font renderer: the system's UI face,
// characters `pixelHeight` pixels high, smoothed in grey only (colour fringes would stay in every
// file the picture goes to). Lines are laid out by the program itself (WrapLines), so that the
// text typed and the text in the picture break alike.
class ITextRasteriser {
public:
    virtual ~ITextRasteriser() = default;
    // The distance from the top of one line to the top of the next.
    virtual int LineHeight(int pixelHeight) = 0;
    // The width of the line from its start up to and including each of its characters.
    virtual std::vector<int> Extents(const std::u32string& line, int pixelHeight) = 0;
    // A line's letters drawn from its top-left corner.
    virtual GlyphMask Rasterise(const std::u32string& line, int pixelHeight) = 0;
};

}  // namespace snapwright
