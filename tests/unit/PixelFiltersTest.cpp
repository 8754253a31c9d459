#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// The rule sample by sample: sixteen points a pixel, each inside when it lies inside any polygon
// by the even-odd rule. The fill, which counts the samples along the stretches inside, must give
// the same pixels for arrows in every direction and for a polygon that crosses itself.
TEST(FillPolygonsTest, CoversEachPixelByTheShareOfItsSixteenSamplesInsideAnyPolygon) {
    const auto inside = [](const Polygon& polygon, double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
            const PointF& a = polygon[i];
            const PointF& b = polygon[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    };
    std::vector<std::vector<Polygon>> shapes;
    for (int angle = 0; angle < 360; angle += 41) {
        const double r = angle * 3.14159265358979 / 180;
        const ArrowShape arrow = ArrowOf({40, 40}, {40 + static_cast<int>(30 * std::cos(r)), 40 + static_cast<int>(30 * std::sin(r))}, 1 + angle % 5);
        shapes.push_back({arrow.shaft, arrow.head});
    }
    shapes.push_back({{{5, 5}, {70, 60.25}, {70, 5}, {5, 60.25}}, {{30.5, 2}, {33, 75}, {36.7, 2}}});
    for (const auto& polygons : shapes) {
        RgbImage filled(80, 80, 0xFFFFFF);
        FillPolygons(filled, {-2, -3}, polygons, 0x0000FF);
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 80; ++x) {
                int covered = 0;
                for (int s = 0; s < 16; ++s) {
                    const double px = -2 + x + (s % 4 + 0.5) / 4;
                    const double py = -3 + y + (s / 4 + 0.5) / 4;
                    covered += std::any_of(polygons.begin(), polygons.end(), [&](const Polygon& p) { return inside(p, px, py); });
                }
                const int other = (255 * (16 - covered) + 8) / 16;
                ASSERT_EQ(filled.At(x, y), static_cast<Colour>(0xFF | other << 8 | other << 16)) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace snapwright
