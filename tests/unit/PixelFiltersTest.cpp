#include <gtest/gtest.h>

#include "editor/ArrowTool.h"
#include "editor/MarkTool.h"
#include "editor/PixelFilters.h"

namespace snapwright {
namespace {

// Black and white, or red and white, squares: no block's average is any of its pixels. 30 x 26
// pixels make blocks of 12 and 18 across, 12 and 14 down: no block is smaller than 12. Highlighting
// and filling keep to the image.
TEST(PixelFiltersTest, PixelationAveragesEachBlockHighlightMultipliesFillIsSolid) {
    RgbImage image(30, 26);
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 30; ++x) image.Set(x, y, (x + y) % 2 ? 0xFFFFFF : x < 12 ? 0x000000 : 0x0000FF);
    }
    const RgbImage before = image;
    Pixelate(image, {0, 0, 30, 26}, 12);
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(image.At(x, y), x < 12 ? 0x808080u : 0x8080FFu) << x << "," << y;
            ASSERT_NE(image.At(x, y), before.At(x, y));
        }
    }
    Highlight(image, {-4, -4, 6, 5}, kHighlighterYellow);
    EXPECT_EQ(image.At(1, 0), 0x008080u);  // grey stays grey under yellow, the blue goes
    FillSolid(image, {26, 22, 10, 10}, 0x123456);
    EXPECT_EQ(image.At(29, 25), 0x123456u);
    EXPECT_EQ(image.At(25, 25), 0x8080FFu);
}

TEST(ArrowTest, TheHeadEndsAtTheHeadPointSizedFromTheStrengthAndIsSmoothed) {
    const ArrowShape arrow = ArrowOf({0, 0}, {100, 0}, 2);  // a head 16 long, 16 wide
    ASSERT_EQ(arrow.head.size(), 3u);
    EXPECT_DOUBLE_EQ(arrow.head[0].x, 100.5);
    EXPECT_DOUBLE_EQ(arrow.head[1].x, 84.5);
    EXPECT_DOUBLE_EQ(arrow.head[1].y - arrow.head[2].y, 16);
    EXPECT_TRUE(ArrowOf({0, 0}, {10, 0}, 2).shaft.empty() && ArrowOf({5, 5}, {5, 5}, 2).head.empty());

    RgbImage image(120, 20, 0xFFFFFF);
    FillPolygons(image, {-10, -10}, {arrow.shaft, arrow.head}, 0x0000FF);
    EXPECT_EQ(image.At(60, 10), 0x0000FFu);  // on the line
    EXPECT_EQ(image.At(60, 11), 0x8080FFu);  // half covered
    EXPECT_EQ(image.At(98, 15), 0x0000FFu);  // in the head, beyond the shaft's width
}

}  // namespace
}  // namespace snapwright
