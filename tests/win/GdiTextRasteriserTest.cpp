#include <gtest/gtest.h>

#include <algorithm>

#include "editor/win32/GdiTextRasteriser.h"

namespace snapwright::win32 {
namespace {

// The system's letters: measured by their advances, smoothed in grey, no colour fringes. How the
// text field wraps with them is seen from outside, where the picture's lines match the field's.
TEST(GdiTextRasteriser, MeasuresAndDrawsTheLettersOfTheTextFieldInGrey) {
    GdiTextRasteriser glyphs;
    EXPECT_GE(glyphs.LineHeight(24), 24);
    const std::vector<int> extents = glyphs.Extents(U"Wi Ω😀", 24);
    ASSERT_EQ(extents.size(), 5u);
    EXPECT_TRUE(std::is_sorted(extents.begin(), extents.end()) && extents[0] > extents[1] - extents[0]);
    const GlyphMask mask = glyphs.Rasterise(U"Hello", 24);
    ASSERT_FALSE(mask.coverage.empty());
    EXPECT_EQ(mask.coverage.size(), static_cast<std::size_t>(mask.area.width) * mask.area.height);
    EXPECT_EQ(*std::max_element(mask.coverage.begin(), mask.coverage.end()), 255);
    EXPECT_TRUE(std::any_of(mask.coverage.begin(), mask.coverage.end(), [](std::uint8_t c) { return c > 0 && c < 255; }));
    EXPECT_LE(mask.area.left + mask.area.width, glyphs.Extents(U"Hello", 24).back() + 4);
}

}  // namespace
}  // namespace snapwright::win32
