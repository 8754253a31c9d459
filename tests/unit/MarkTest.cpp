#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/ArrowMark.h"
#include "editor/EllipseMark.h"
#include "editor/FrameMark.h"
#include "editor/HighlightMark.h"
#include "editor/RedactionMark.h"
#include "editor/StepMark.h"
#include "editor/TextMark.h"
#include "fakes/FakeTextRasteriser.h"

namespace snapwright {

namespace {

using ::testing::ElementsAre;

constexpr MarkStyle kStyle{0x0000FF, 3};

// Each kind: points that select it (on or near its lines, inside what it fills) and points that do
// not (inside a frame or an ellipse, beyond the tolerance, a step's corner).
TEST(MarkTest, APressSelectsWithinAFewPixelsOfLinesAndInsideFilledMarks) {
    fakes::FakeTextRasteriser glyphs;
    struct Case {
        const char* kind;
        std::unique_ptr<Mark> mark;
        std::vector<Point> hits, misses;
    };
    Case cases[] = {
        {"frame", std::make_unique<FrameMark>(Point{100, 100}, Point{200, 150}, kStyle),
         {{98, 120}, {93, 120}, {103, 120}, {150, 152}},
         {{150, 125}, {92, 120}, {104, 120}}},
        {"ellipse", std::make_unique<EllipseMark>(Point{100, 100}, Point{200, 150}, kStyle),
         {{97, 125}, {150, 97}, {93, 125}, {150, 150}},
         {{150, 125}, {101, 101}, {92, 125}, {150, 120}}},
        {"arrow", std::make_unique<ArrowMark>(Point{100, 100}, Point{300, 100}, kStyle),
         {{200, 101}, {200, 105}, {301, 100}, {285, 109}, {97, 100}},
         {{200, 108}, {90, 100}, {306, 100}}},
        {"highlight", std::make_unique<HighlightMark>(Point{100, 100}, Point{200, 150}, kStyle),
         {{150, 125}, {96, 125}},
         {{94, 125}, {150, 156}}},
        {"redaction", std::make_unique<RedactionMark>(Point{100, 100}, Point{200, 150}, kStyle, false),
         {{150, 125}, {204, 154}},
         {{205, 125}}},
        {"text", std::make_unique<TextMark>(glyphs, Point{100, 100}, "Note", 20, kStyle),
         {{101, 101}, {110, 120}},
         {{100, 130}, {150, 110}}},
        {"step", std::make_unique<StepMark>(glyphs, Point{150, 150}, kStyle),
         {{150, 150}, {150, 168}},
         {{134, 134}, {150, 171}}},
    };
    for (const Case& c : cases) {
        for (const Point& p : c.hits) EXPECT_TRUE(c.mark->Hits(p)) << c.kind << " at " << p.x << "," << p.y;
        for (const Point& p : c.misses) EXPECT_FALSE(c.mark->Hits(p)) << c.kind << " at " << p.x << "," << p.y;
    }
}

TEST(MarkTest, EveryBoxKindIsResizedByItsHandlesAndTurnsOverWhenAnEdgePassesTheOther) {
    fakes::FakeTextRasteriser glyphs;
    std::unique_ptr<BoxMark> marks[] = {
        std::make_unique<FrameMark>(Point{200, 150}, Point{100, 100}, kStyle),
        std::make_unique<EllipseMark>(Point{100, 100}, Point{200, 150}, kStyle),
        std::make_unique<HighlightMark>(Point{100, 150}, Point{200, 100}, kStyle),
        std::make_unique<RedactionMark>(Point{100, 100}, Point{200, 150}, kStyle, true),
    };
    for (const auto& mark : marks) {
        EXPECT_THAT(mark->Handles(), ElementsAre(Point{100, 100}, Point{150, 100}, Point{200, 100}, Point{200, 125},
                                                 Point{200, 150}, Point{150, 150}, Point{100, 150}, Point{100, 125}));
        EXPECT_EQ(mark->HandleAt({204, 146}), BoxMark::BottomRight);
        EXPECT_EQ(mark->HandleAt({206, 150}), std::nullopt);
        mark->DragHandle(BoxMark::BottomRight, {250, 180});
        EXPECT_EQ(mark->Box(), (Rect{100, 100, 151, 81}));
        mark->DragHandle(BoxMark::Left, {300, 0});
        EXPECT_EQ(mark->Box(), (Rect{250, 100, 51, 81}));
        mark->DragHandle(BoxMark::Top, {0, 300});
        EXPECT_EQ(mark->Box(), (Rect{250, 180, 51, 121}));
    }
    EXPECT_EQ(marks[0]->Bounds(), (Rect{247, 177, 57, 127}));  // the frame's rings lie outside its box
    EXPECT_EQ(marks[1]->Bounds(), (Rect{247, 177, 57, 127}));
}

TEST(MarkTest, AnArrowIsResizedByItsEndsAStepAboutItsCentreAndATextBoxRewraps) {
    fakes::FakeTextRasteriser glyphs;
    ArrowMark arrow({10, 20}, {110, 20}, kStyle);
    EXPECT_THAT(arrow.Handles(), ElementsAre(Point{10, 20}, Point{110, 20}));
    EXPECT_EQ(arrow.HandleAt({108, 23}), 1u);
    arrow.DragHandle(1, {10, 120});
    arrow.DragHandle(0, {60, 20});
    EXPECT_EQ(arrow.Tail(), (Point{60, 20}));
    EXPECT_EQ(arrow.Head(), (Point{10, 120}));

    StepMark step(glyphs, {150, 150}, kStyle);
    EXPECT_EQ(step.Bounds(), (Rect{134, 134, 32, 32}));  // StepDiameter(3)
    step.DragHandle(BoxMark::Right, {170, 110});          // the width from the distance across
    EXPECT_EQ(step.Bounds(), (Rect{130, 130, 41, 41}));
    step.DragHandle(BoxMark::TopLeft, {140, 135});  // a corner: the larger distance
    EXPECT_EQ(step.Bounds(), (Rect{135, 135, 30, 30}));
    step.Restyle({0x00FF00, 10});
    EXPECT_EQ(step.Bounds().width, StepDiameter(10));

    // Characters of 20 pixels are 10 to 13 wide, a space 6.
    TextMark text(glyphs, {100, 100}, "one two three", 20, kStyle);
    EXPECT_THAT(text.Lines(), ElementsAre("one two three"));
    const int oneLine = text.Box().width;
    text.DragHandle(BoxMark::Right, {100 + oneLine * 2 / 3, 100});
    EXPECT_THAT(text.Lines(), ElementsAre("one two", "three"));
    EXPECT_EQ(text.Box(), (Rect{100, 100, oneLine * 2 / 3 + 1, 50}));
    text.DragHandle(BoxMark::Bottom, {0, 200});  // a height pulled larger stays
    text.DragHandle(BoxMark::Right, {400, 0});
    EXPECT_THAT(text.Lines(), ElementsAre("one two three"));
    EXPECT_EQ(text.Box(), (Rect{100, 100, 301, 101}));
    text.DragHandle(BoxMark::Bottom, {0, 90});  // but never lower than the text
    EXPECT_EQ(text.Box().height, 25);
    text.SetPixelHeight(40);
    EXPECT_EQ(text.Box().height, 50);
}

// A step's number stands out on its colour; text glyphs are drawn once per text and size, and a
// change of colour or a move draws none again.
TEST(MarkTest, TextAndNumbersAreRasterisedOnceAndBlendedInTheirColour) {
    fakes::FakeTextRasteriser glyphs;
    TextMark text(glyphs, {10, 10}, "ab\ncd", 20, kStyle);
    EXPECT_EQ(glyphs.rasterised, 2);
    std::unique_ptr<Mark> copy = text.Clone();
    copy->MoveBy(5, 5);
    copy->Restyle({0x00FF00, 3});
    RgbImage pixels(100, 100, 0xFFFFFF);
    copy->Draw(pixels, {0, 0}, {0, 0, 100, 100});
    EXPECT_EQ(glyphs.rasterised, 2);
    EXPECT_EQ(pixels.At(17, 30), 0x00FF00u);  // inside "a" of the first line (from y 14)
    EXPECT_EQ(pixels.At(15, 30), 0x7FFF7Fu);  // the smoothed left edge, half covered
    EXPECT_EQ(pixels.At(17, 16), 0xFFFFFFu);  // above the letter

    EXPECT_EQ(ContrastingColour(0x0000FF), 0xFFFFFFu);  // white on red
    EXPECT_EQ(ContrastingColour(0x00FFFF), 0x000000u);  // black on yellow
}

}  // namespace
}  // namespace snapwright
