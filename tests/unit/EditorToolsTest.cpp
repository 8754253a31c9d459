#include "unit/EditorFixture.h"

namespace snapwright {
namespace {

using enum EditorControl;
using ::testing::ElementsAre;

constexpr Colour kRed = 0x0000FF;

TEST(CropGeometryTest, TheCentreLinesCountAsLeftAndUpper) {
    const Size picture{800, 600};
    EXPECT_EQ(QuadrantOf({400, 300}, picture), (Quadrant{false, false}));
    EXPECT_EQ(QuadrantOf({401, 300}, picture), (Quadrant{true, false}));
    EXPECT_EQ(QuadrantOf({400, 301}, picture), (Quadrant{false, true}));
    EXPECT_EQ(QuadrantOf({401, 301}, Size{801, 601}), (Quadrant{true, true}));  // 400.5 is the middle
    EXPECT_EQ(QuadrantOf({400, 300}, Size{801, 601}), (Quadrant{false, false}));
}

TEST_F(EditorTest, EachQuadrantMovesItsCornerAndPointsTheArrowThere) {
    struct Case {
        Point click;
        Rect kept;
        std::vector<std::string> arrow;
    };
    const Case cases[] = {
        {{100, 50}, {100, 50, 700, 550}, {"view line 70,40 90,40 0", "view line 90,40 90,20 0", "view line 40,-10 90,40 0"}},
        {{100, 500}, {100, 0, 700, 500}, {"view line 70,510 90,510 0", "view line 90,510 90,530 0", "view line 40,560 90,510 0"}},
        {{700, 50}, {0, 50, 700, 550}, {"view line 730,40 710,40 0", "view line 710,40 710,20 0", "view line 760,-10 710,40 0"}},
        {{700, 500}, {0, 0, 700, 500}, {"view line 730,510 710,510 0", "view line 710,510 710,530 0", "view line 760,560 710,510 0"}},
    };
    for (const Case& c : cases) {
        OpenOn(800, 600);
        Click(CropButton);
        window.log.clear();
        editor.OnMouseMove(c.click);
        const auto lines = window.Logged("view line");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), c.arrow) << c.click.x << "," << c.click.y;
        Press(c.click);
        EXPECT_EQ(PictureSize(), (Size{c.kept.width, c.kept.height}));
        EXPECT_EQ(window.Logged("work copy").back(), "work copy " + std::to_string(c.kept.left) + "," +
                                                          std::to_string(c.kept.top) + " " + std::to_string(c.kept.width) +
                                                          "x" + std::to_string(c.kept.height));
    }
}

// The region counts both clicked pixels; the inset is 1.5 times it, framed, its lines joining the
// region's corners to the inset's, all in red.
TEST_F(EditorTest, AZoomInsetOfATwoByTwoRegion) {
    OpenOn(400, 300);
    Click(ZoomButton);
    Press({11, 11});  // marked from the lower right: the corners are put in order
    Press({10, 10});
    EXPECT_EQ(window.Logged("view copy").back(), "view copy 10,10 2x2");
    window.log.clear();
    Press({100, 100});
    EXPECT_THAT(window.Logged("work"),
                ElementsAre("work on 1", "work line 10,11 100,102 255", "work line 10,10 100,100 255",
                            "work line 11,10 102,100 255", "work line 11,11 102,102 255", "work rect 10,10 11,11 255",
                            "work picture 2x2 at 100,100 3x3", "work rect 100,100 102,102 255", "work copy 0,0 400x300"));
    EXPECT_EQ(Core().mode, EditMode::None);
    EXPECT_FALSE(window.Pressed(ZoomButton));
    EXPECT_EQ(Core().UndoCount(), 1u);
}

TEST_F(EditorTest, ToolButtonsEndTheirToolOnlyBeforeTheFirstOrAfterTheLastClick) {
    OpenOn(400, 300);
    Click(ZoomButton);
    Click(FrameButton);  // no switch from one tool to another
    EXPECT_EQ(Core().mode, EditMode::Zoom);
    Press({10, 10});
    Click(ZoomButton);  // after one click the tool goes on
    EXPECT_EQ(Core().mode, EditMode::Zoom);
    Press({20, 20});
    Click(ZoomButton);
    EXPECT_EQ(Core().mode, EditMode::Zoom);
    Press({30, 30});
    EXPECT_EQ(Core().mode, EditMode::None);

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

TEST_F(EditorTest, FrameRingsLieOutsideTheClickedCorners) {
    OpenOn(400, 300);
    for (const char* strength : {"1px", "10px"}) {
        form.State(StrengthList).text = strength;
        window.log.clear();
        Click(FrameButton);
        Press({100, 100});
        Press({200, 150});
        const auto rings = window.Logged("work rect");
        ASSERT_EQ(rings.size(), std::string(strength) == "1px" ? 1u : 10u);
        EXPECT_EQ(rings.front(), std::string(strength) == "1px" ? "work rect 99,99 201,151 255"
                                                                : "work rect 90,90 210,160 255");
        EXPECT_EQ(rings.back(), "work rect 99,99 201,151 255");
    }
    // A text without a number draws nothing, but the change is taken as one.
    form.State(StrengthList).text = "px";
    window.log.clear();
    const std::size_t undo = Core().UndoCount();
    Click(FrameButton);
    Press({100, 100});
    Press({200, 150});
    EXPECT_TRUE(window.Logged("work rect").empty());
    EXPECT_EQ(Core().UndoCount(), undo + 1);
    EXPECT_EQ(StrengthOf("3px"), 3);
    EXPECT_EQ(StrengthOf(""), 0);
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

// The e2e tests choose a colour in the real dialog; cancelling it keeps the one before.
TEST_F(EditorTest, CancellingTheColourDialogKeepsTheColour) {
    OpenOn(100, 100);
    Click(ColourButton);
    EXPECT_EQ(window.colour, kRed);
}

}  // namespace
}  // namespace snapwright
