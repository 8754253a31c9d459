#pragma once
// Letters for host tests: every character but a space is a block as wide as its advance less a
// pixel, from a fifth of the height down to the height, with a grey column at its left edge as a
// smoothed letter has; characters differ in their advances. The mask starts a pixel left of the
// line, as an overhanging letter's may.
#include <string>
#include <vector>

#include "editor/TextRasteriser.h"

namespace snapwright::fakes {

// The extents of a line whose characters are 24 pixels wide and spaces 12, as letters of 48
// pixels might be: the measure of the wrapping tests.
inline std::vector<int> WideLetterExtents(const std::u32string& line) {
    std::vector<int> extents;
    int x = 0;
    for (char32_t c : line) extents.push_back(x += c == U' ' ? 12 : 24);
    return extents;
}

class FakeTextRasteriser : public ITextRasteriser {
public:
    static int Advance(char32_t c, int pixelHeight) {
        return c == U' ' ? pixelHeight / 3 : pixelHeight / 2 + static_cast<int>(c % 4);
    }
    int LineHeight(int pixelHeight) override { return pixelHeight + pixelHeight / 4; }
    std::vector<int> Extents(const std::u32string& line, int pixelHeight) override {
        std::vector<int> extents;
        int x = 0;
        for (char32_t c : line) extents.push_back(x += Advance(c, pixelHeight));
        return extents;
    }
    GlyphMask Rasterise(const std::u32string& line, int pixelHeight) override {
        ++rasterised;
        const std::vector<int> extents = Extents(line, pixelHeight);
        GlyphMask mask;
        mask.area = {-1, 0, (extents.empty() ? 0 : extents.back()) + 1, LineHeight(pixelHeight)};
        mask.coverage.assign(static_cast<std::size_t>(mask.area.width) * static_cast<std::size_t>(mask.area.height), 0);
        int left = 0;
        for (std::size_t i = 0; i < line.size(); left = extents[i++]) {
            if (line[i] == U' ') continue;
            for (int y = pixelHeight / 5; y < pixelHeight; ++y) {
                for (int x = left; x < extents[i] - 1; ++x) {
                    mask.coverage[static_cast<std::size_t>(y * mask.area.width + x + 1)] = x == left ? 128 : 255;
                }
            }
        }
        return mask;
    }
    int rasterised = 0;
};

}  // namespace snapwright::fakes
