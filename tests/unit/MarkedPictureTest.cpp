#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "editor/ArrowMark.h"
#include "editor/EllipseMark.h"
#include "editor/FrameMark.h"
#include "editor/HighlightMark.h"
#include "editor/MarkSelection.h"
#include "editor/RedactionMark.h"
#include "editor/StepMark.h"
#include "editor/TextMark.h"
#include "fakes/FakeTextRasteriser.h"

namespace snapwright {
namespace {

constexpr MarkStyle kRed{0x0000FF, 2};
constexpr MarkStyle kBlue{0xFF0000, 4};
constexpr Colour kWhite = 0xFFFFFF;

// A screenshot-like picture: no two neighbours alike, so that a pixel out of place shows.
RgbImage Painted(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.Set(x, y, static_cast<Colour>(x * 7 + y * 131 + (x ^ y) * 40503) & 0xFFFFFF);
    }
    return image;
}

int Differing(const RgbImage& a, const RgbImage& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) count += a.At(x, y) != b.At(x, y);
    }
    return count;
}

const Rect& BoxOf(const MarkedPicture& picture, std::size_t index) {
    return dynamic_cast<const BoxMark&>(picture.Marks().At(index)).Box();
}

// Draw, an inset of pixels, crop, move, nudge; then every undo gives back the picture as it was
// shown before the change, marks and pixels alike, and a mark moved comes back selected.
TEST(MarkedPictureTest, OneUndoHistoryStepsBackThroughPixelsAndMarksInTheirOrder) {
    MarkedPicture picture(Painted(400, 300));
    MarkSelection selection(picture);
    std::vector<RgbImage> shown{picture.Flatten()};
    const auto changed = [&] { shown.push_back(picture.Flatten()); };
    picture.AddMark(std::make_unique<FrameMark>(Point{50, 50}, Point{150, 120}, kRed));
    changed();
    picture.AddMark(std::make_unique<HighlightMark>(Point{370, 250}, Point{395, 290}, MarkStyle{0x00FFFF, 1}));
    changed();
    picture.ChangePixels({200, 150, 60, 40}, [](RgbImage& pixels, Point) { FillSolid(pixels, {0, 0, 60, 40}, 0xFF00); });
    changed();
    picture.Crop({20, 10, 340, 270});  // the highlight lies wholly outside what is kept
    changed();
    ASSERT_EQ(picture.Marks().Count(), 1u);
    EXPECT_EQ(BoxOf(picture, 0), (Rect{30, 40, 101, 71}));
    selection.OnPress({28, 60});  // on the frame's left side
    selection.OnDrag({40, 70});
    selection.OnRelease({58, 80});
    changed();
    EXPECT_TRUE(selection.OnKey({kKeyRight, false, true, false}));
    changed();
    EXPECT_EQ(BoxOf(picture, 0), (Rect{70, 60, 101, 71}));
    EXPECT_EQ(picture.UndoCount(), 6u);
    for (std::size_t i = shown.size() - 1; i > 0; --i) {
        selection.Undo();
        EXPECT_EQ(Differing(picture.Flatten(), shown[i - 1]), 0) << "after undo " << shown.size() - i;
        if (i == shown.size() - 1) {
            EXPECT_EQ(selection.Selected(), 0u);
        }
    }
    EXPECT_FALSE(picture.CanUndo());
    EXPECT_EQ(picture.Pixels(), Painted(400, 300));
}

TEST(MarkedPictureTest, StepsAreNumberedInTheirOrderAndRenumberedWhenOneGoesOrComesBack) {
    fakes::FakeTextRasteriser glyphs;
    MarkedPicture picture(RgbImage(400, 300, kWhite));
    const auto numbers = [&] {
        std::vector<int> found;
        for (std::size_t i = 0; i < picture.Marks().Count(); ++i) {
            if (const auto* step = dynamic_cast<const StepMark*>(&picture.Marks().At(i))) found.push_back(step->Number());
        }
        return found;
    };
    for (int x : {50, 100, 150}) {
        picture.AddMark(std::make_unique<StepMark>(glyphs, Point{x, 50}, kRed));
        picture.AddMark(std::make_unique<FrameMark>(Point{x, 100}, Point{x + 20, 120}, kRed));
    }
    EXPECT_THAT(numbers(), ::testing::ElementsAre(1, 2, 3));
    const RgbImage withThree = picture.Flatten();
    picture.RemoveMark(2);
    EXPECT_THAT(numbers(), ::testing::ElementsAre(1, 2));
    std::unique_ptr<Mark> moved = picture.Marks().At(3).Clone();
    moved->MoveBy(0, 100);
    picture.ReplaceMark(3, std::move(moved));  // a step moved keeps its number
    EXPECT_THAT(numbers(), ::testing::ElementsAre(1, 2));
    picture.Undo();
    picture.Undo();
    EXPECT_THAT(numbers(), ::testing::ElementsAre(1, 2, 3));
    EXPECT_EQ(Differing(picture.Flatten(), withThree), 0);
}

// Only the selected mark's old and new place repaint while it is dragged; the drag becomes one
// step, and every nudge, restyle, resize, delete and text edit one more.
TEST(MarkSelectionTest, AMarkIsSelectedMovedResizedNudgedRestyledEditedAndDeletedEachAsOneStep) {
    fakes::FakeTextRasteriser glyphs;
    MarkedPicture picture(RgbImage(400, 300, kWhite));
    MarkSelection selection(picture);
    for (int i = 0; i < 40; ++i) picture.AddMark(std::make_unique<FrameMark>(Point{300, 250}, Point{310, 260}, kRed));
    picture.AddMark(std::make_unique<FrameMark>(Point{100, 100}, Point{200, 150}, kRed));
    picture.AddMark(std::make_unique<TextMark>(glyphs, Point{250, 50}, "Hello", 20, kBlue));
    const std::size_t frame = 40;
    const std::size_t text = 41;
    picture.ClearUndo();
    picture.TakeChangedAreas();

    selection.OnPress({150, 125});  // inside the frame: nothing there
    EXPECT_EQ(selection.Selected(), std::nullopt);
    selection.OnPress({99, 125});
    EXPECT_EQ(selection.Selected(), frame);
    selection.OnDrag({120, 125});
    EXPECT_EQ(BoxOf(picture, frame).left, 121);
    EXPECT_EQ(picture.UndoCount(), 0u);  // not before the mouse is let go
    const std::vector<Rect> repainted = picture.TakeChangedAreas();
    const auto covered = [&](Point p) {
        return std::any_of(repainted.begin(), repainted.end(), [&](const Rect& r) { return Contains(r, p); });
    };
    EXPECT_TRUE(covered({98, 125}) && covered({119, 125}) && covered({224, 125}));
    EXPECT_FALSE(covered({160, 125}));
    selection.OnRelease({120, 125});
    EXPECT_EQ(picture.UndoCount(), 1u);
    EXPECT_LT(picture.UndoBytes(), 1024u);  // the mark as it was, not the scene

    selection.OnPress({223, 152});  // the bottom-right handle, (221, 150)
    selection.OnRelease({243, 172});
    EXPECT_EQ(BoxOf(picture, frame), (Rect{121, 100, 121, 71}));
    EXPECT_TRUE(selection.OnKey({kKeyLeft}));
    EXPECT_TRUE(selection.OnKey({kKeyDown, false, true, false}));
    EXPECT_EQ(BoxOf(picture, frame), (Rect{120, 110, 121, 71}));
    EXPECT_TRUE(selection.SetColour(0x00FF00));
    EXPECT_TRUE(selection.SetStrength(5));
    EXPECT_TRUE(selection.SetStrength(5));  // the same strength again changes nothing
    EXPECT_EQ(picture.Marks().At(frame).Style(), (MarkStyle{0x00FF00, 5}));
    EXPECT_EQ(picture.UndoCount(), 6u);
    EXPECT_TRUE(selection.OnKey({kKeyDelete}));
    EXPECT_EQ(picture.Marks().Count(), 41u);
    EXPECT_EQ(selection.Selected(), std::nullopt);
    selection.Undo();
    EXPECT_EQ(selection.Selected(), frame);
    EXPECT_EQ(picture.Marks().At(frame).Style(), (MarkStyle{0x00FF00, 5}));

    ASSERT_EQ(selection.TextAt({252, 55}), text);
    selection.BeginTextEdit(text);
    EXPECT_EQ(selection.LeftOut(), &picture.Marks().At(text));
    selection.EndTextEdit("Hello world");
    EXPECT_EQ(dynamic_cast<const TextMark&>(picture.Marks().At(text)).Text(), "Hello world");
    EXPECT_EQ(selection.LeftOut(), nullptr);
    selection.BeginTextEdit(text);
    selection.EndTextEdit("");  // all of it deleted: the text goes
    EXPECT_EQ(picture.Marks().Count(), 41u);
    EXPECT_EQ(picture.UndoCount(), 8u);
    EXPECT_TRUE(selection.OnKey({kKeyEscape}) || !selection.Selected());
    EXPECT_FALSE(selection.OnKey({kKeyLeft}));

    selection.Select(0);  // a frame at the picture's right edge is never nudged off it
    for (int i = 0; i < 20; ++i) selection.OnKey({kKeyRight, false, true, false});
    EXPECT_EQ(picture.Marks().At(0).Bounds().left, 398);
    picture.Reset(RgbImage(10, 10));  // a new picture: the mark selected is gone
    EXPECT_TRUE(!selection.Selected() && selection.Handles().empty() && !selection.OnKey({kKeyDelete}));
}

// The picture is drawn on directly with each mark's rule, in the order of the marks; the scene
// must give the same pixels for the whole picture and for any part of it.
TEST(MarkedPictureTest, TheFlattenedSceneIsThePictureWithEachMarkDrawnDirectlyAndEachRegionOfItAlike) {
    fakes::FakeTextRasteriser glyphs;
    const RgbImage original = Painted(320, 240);
    MarkedPicture picture(original);
    picture.AddMark(std::make_unique<FrameMark>(Point{20, 20}, Point{100, 80}, kRed));
    picture.AddMark(std::make_unique<EllipseMark>(Point{120, 30}, Point{200, 90}, kBlue));
    picture.AddMark(std::make_unique<ArrowMark>(Point{30, 200}, Point{250, 120}, kRed));
    picture.AddMark(std::make_unique<HighlightMark>(Point{60, 60}, Point{180, 110}, MarkStyle{0x00FFFF, 1}));
    picture.AddMark(std::make_unique<TextMark>(glyphs, Point{150, 150}, "Ab c", 20, kBlue));
    picture.AddMark(std::make_unique<RedactionMark>(Point{140, 140}, Point{230, 200}, MarkStyle{0, 1}, false));
    picture.AddMark(std::make_unique<StepMark>(glyphs, Point{280, 40}, kRed));
    picture.AddMark(std::make_unique<RedactionMark>(Point{250, 180}, Point{300, 230}, MarkStyle{0x000000, 1}, true));
    picture.AddMark(std::make_unique<RedactionMark>(Point{290, 200}, Point{340, 260}, MarkStyle{0, 2}, false));

    RgbImage expected = original;
    for (const Rect& side : {Rect{18, 18, 85, 2}, Rect{18, 81, 85, 2}, Rect{18, 20, 2, 61}, Rect{101, 20, 2, 61}}) {
        FillSolid(expected, side, kRed.colour);
    }
    const auto inside = [](double dx, double dy, double rx, double ry) { return std::pow(dx / rx, 2) + std::pow(dy / ry, 2) <= 1; };
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            if (inside(x - 160, y - 60, 44.5, 34.5) && !inside(x - 160, y - 60, 40.5, 30.5)) expected.Set(x, y, kBlue.colour);
        }
    }
    const ArrowShape arrow = ArrowOf({30, 200}, {250, 120}, 2);
    FillPolygons(expected, {0, 0}, {arrow.shaft, arrow.head}, kRed.colour);
    Highlight(expected, {60, 60, 121, 51}, 0x00FFFF);
    const GlyphMask letters = glyphs.Rasterise(U"Ab c", 20);
    BlendCoverage(expected, letters, {150 + letters.area.left, 150 + letters.area.top}, kBlue.colour);
    Pixelate(expected, {140, 140, 91, 61}, kRedactionBlockSize);
    picture.Marks().At(6).Draw(expected, {0, 0}, picture.Area());  // the step, as it draws itself
    FillSolid(expected, {250, 180, 51, 51}, 0x000000);
    Pixelate(expected, {290, 200, 30, 40}, kRedactionBlockSize + 4);  // the part on the picture

    EXPECT_EQ(Differing(picture.Flatten(), expected), 0);
    for (int top = -5; top < 240; top += 17) {
        for (int left = -7; left < 320; left += 23) {
            const Rect region{left, top, 23, 17};
            const Rect shown = {std::max(0, left), std::max(0, top), std::min(320, left + 23) - std::max(0, left),
                                std::min(240, top + 17) - std::max(0, top)};
            ASSERT_EQ(Differing(picture.Flatten(region), expected.Copy(shown)), 0) << left << "," << top;
        }
    }
}

// A checkerboard is a secret no block leaves readable: any block of it is grey. The redaction's
// single block (48 pixels at the strength 10) is larger than the tiles of the view.
TEST(MarkedPictureTest, ARedactionMovedOverOtherContentHidesItAndWhatItLeftShowsAgain) {
    fakes::FakeTextRasteriser glyphs;
    RgbImage original(320, 200, kWhite);
    const Rect secret{40, 40, 48, 24};
    for (int y = secret.top; y < secret.top + secret.height; ++y) {
        for (int x = secret.left; x < secret.left + secret.width; ++x) original.Set(x, y, (x + y) % 2 ? 0 : kWhite);
    }
    MarkedPicture picture(original);
    MarkSelection selection(picture);
    picture.AddMark(std::make_unique<TextMark>(glyphs, Point{200, 140}, "ab", 20, kBlue));
    picture.AddMark(std::make_unique<RedactionMark>(Point{150, 40}, Point{197, 63}, MarkStyle{0, 10}, false));
    EXPECT_EQ(Differing(picture.Flatten(secret), original.Copy(secret)), 0);

    selection.OnPress({160, 50});
    selection.OnRelease({50, 50});
    const RgbImage moved = picture.Flatten();
    EXPECT_EQ(Differing(moved.Copy(secret), RgbImage(48, 24, 0x808080)), 0);
    EXPECT_EQ(Differing(moved.Copy({150, 40, 48, 24}), original.Copy({150, 40, 48, 24})), 0);
    EXPECT_EQ(Differing(picture.Flatten({45, 45, 3, 3}), RgbImage(3, 3, 0x808080)), 0);  // the view's part alike

    const auto blue = [&] {
        const RgbImage shown = picture.Flatten(picture.Marks().At(0).Bounds());
        int count = 0;
        for (int y = 0; y < shown.Height(); ++y) {
            for (int x = 0; x < shown.Width(); ++x) count += shown.At(x, y) == kBlue.colour;
        }
        return count;
    };
    EXPECT_GT(blue(), 50);
    selection.OnPress({50, 50});
    selection.OnRelease({205, 148});  // over the text mark beneath it
    EXPECT_EQ(blue(), 0);
    // Text moved under the redaction changes whole blocks of it, which are painted again.
    picture.TakeChangedAreas();
    std::unique_ptr<Mark> nudged = picture.Marks().At(0).Clone();
    nudged->MoveBy(1, 0);
    picture.ReplaceMark(0, std::move(nudged));
    const std::vector<Rect> repainted = picture.TakeChangedAreas();
    EXPECT_TRUE(std::any_of(repainted.begin(), repainted.end(), [](const Rect& r) { return Contains(r, {240, 160}); }));
    selection.Undo();
    selection.Undo();
    EXPECT_GT(blue(), 50);
}

}  // namespace
}  // namespace snapwright
