#include "unit/EditorFixture.h"

namespace snapwright {
namespace {

using enum EditorControl;

TEST(CropGeometryTest, TheCentreLinesCountAsLeftAndUpper) {
    const Size picture{800, 600};
    EXPECT_EQ(QuadrantOf({400, 300}, picture), (Quadrant{false, false}));
    EXPECT_EQ(QuadrantOf({401, 300}, picture), (Quadrant{true, false}));
    EXPECT_EQ(QuadrantOf({400, 301}, picture), (Quadrant{false, true}));
    EXPECT_EQ(QuadrantOf({401, 301}, Size{801, 601}), (Quadrant{true, true}));  // 400.5 is the middle
    EXPECT_EQ(QuadrantOf({400, 300}, Size{801, 601}), (Quadrant{false, false}));
}

// The e2e tests crop at a point of the upper left quarter.
TEST_F(EditorTest, EachQuadrantMovesItsCorner) {
    const std::pair<Point, Rect> cases[] = {{{100, 500}, {100, 0, 700, 500}},
                                            {{700, 50}, {0, 50, 700, 550}},
                                            {{700, 500}, {0, 0, 700, 500}}};
    for (const auto& [click, kept] : cases) {
        OpenOn(800, 600);
        Click(CropButton);
        Press(click);
        EXPECT_EQ(window.Logged("work copy").back(), "work copy " + std::to_string(kept.left) + "," +
                                                          std::to_string(kept.top) + " " + std::to_string(kept.width) +
                                                          "x" + std::to_string(kept.height));
    }
}

TEST_F(EditorTest, ToolButtonsEndTheirToolOnlyBeforeTheFirstOrAfterTheLastClick) {
    OpenOn(400, 300);
    Click(ZoomButton);
    Click(FrameButton);  // no switch from one tool to another
    Press({10, 10});
    Click(ZoomButton);  // after one click the tool goes on
    EXPECT_EQ(Core().mode, EditMode::Zoom);

    OpenOn(400, 300);
    Click(EllipseButton);
    Press({10, 10});
    Click(EllipseButton);
    EXPECT_EQ(Core().mode, EditMode::Ellipse);
    Click(CropButton);
    EXPECT_EQ(Core().mode, EditMode::Ellipse);
    Press({20, 20});
    EXPECT_EQ(Core().mode, EditMode::None);

    OpenOn(400, 300);  // leaving a tool before its first click counts as a change
    Click(ZoomButton);
    Click(ZoomButton);
    EXPECT_TRUE(Core().changed);
}

// The e2e tests draw a frame of 10 pixels and find its rings outside the clicked corners.
TEST_F(EditorTest, AStrengthWithoutANumberDrawsNoFrameButCountsAsAChange) {
    OpenOn(400, 300);
    form.State(StrengthList).text = "px";
    Click(FrameButton);
    Press({100, 100});
    Press({200, 150});
    EXPECT_TRUE(window.Logged("work rect").empty());
    EXPECT_EQ(Core().UndoCount(), 1u);
    EXPECT_EQ(StrengthOf("3px"), 3);
}

TEST(EllipseRingsTest, TheFinalRingsHaveTheirOwnAspectThePreviewKeepsTheInnerOne) {
    const auto final = EllipseRings({0, 0}, {40, 20}, 2, true);
    const auto preview = EllipseRings({0, 0}, {40, 20}, 2, false);
    ASSERT_EQ(final.size(), 2u);
    EXPECT_DOUBLE_EQ(final[0].centreX, 20);
    EXPECT_DOUBLE_EQ(final[0].centreY, 10);
    EXPECT_DOUBLE_EQ(final[0].radiusX, 22);  // the outer ring first: radius 20 + 2
    EXPECT_DOUBLE_EQ(final[0].radiusY, 22 * (18.0 / 38.0));
    EXPECT_DOUBLE_EQ(final[1].radiusY, 21 * (19.0 / 39.0));
    EXPECT_DOUBLE_EQ(preview[0].radiusY, 11);
    // Taller than wide: the radius is the vertical semi-axis.
    const auto tall = EllipseRings({0, 0}, {20, 40}, 1, false);
    EXPECT_DOUBLE_EQ(tall[0].radiusY, 11);
    EXPECT_DOUBLE_EQ(tall[0].radiusX, 5.5);
    // Two clicks on one row give circles; a ring as wide as the clicks keeps a circle's aspect.
    EXPECT_DOUBLE_EQ(EllipseRings({0, 5}, {30, 5}, 1, true)[0].radiusY, 16);
    EXPECT_DOUBLE_EQ(EllipseRings({0, 0}, {1, 8}, 1, true)[0].radiusY, 1.5);
}

}  // namespace
}  // namespace snapwright
