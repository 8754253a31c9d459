#include "capture/ScrollStitcher.h"

#include <gtest/gtest.h>

#include "fakes/FakeScrollPorts.h"

namespace snapwright {
namespace {

using fakes::Document;
using fakes::RowsOf;
using fakes::SamePixels;
using fakes::TextRows;
using fakes::ScrollingWindow;

RgbImage PixelsOf(const PicturePtr& picture) {
    return fakes::PixelsOf(*picture);
}

std::vector<std::uint32_t> Joined(std::initializer_list<std::vector<std::uint32_t>> parts) {
    std::vector<std::uint32_t> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

struct Stitched {
    PicturePtr picture;
    std::vector<StitchStep> steps;
};

// Scrolls the window from the top by `step` rows at a time to its end, and once more (which moves
// nothing), stitching every frame. `told`: the hint is the step itself, as a scroll position
// tells it; otherwise the hint is `guess`.
Stitched Stitch(const ScrollingWindow& window, int step, int capacity = 2000, bool told = false, int guess = 0) {
    fakes::FakeTallPicture tall(window.width, capacity);
    ScrollStitcher stitcher(tall);
    stitcher.Start(RowsOf(window.Frame(0)));
    Stitched result;
    int position = 0;
    for (;;) {
        const int next = std::min(position + step, window.LastPosition());
        const RgbImage frame = window.Frame(next);
        result.steps.push_back(stitcher.Add(RowsOf(frame), {told ? next - position : guess, told}));
        position = next;
        if (result.steps.back().moved == 0 || result.steps.back().limitReached) break;
    }
    result.picture = stitcher.Finish();
    return result;
}

std::vector<int> Moves(const Stitched& stitched) {
    std::vector<int> moves;
    for (const StitchStep& step : stitched.steps) moves.push_back(step.moved);
    return moves;
}

TEST(ScrollStitcherTest, KeepsTheHeaderFooterAndScrollBarOnceAndEveryRowOfTheDocumentInOrder) {
    ScrollingWindow window;
    window.document = Document(window.Content(), TextRows(1000));
    const Stitched stitched = Stitch(window, 120);
    EXPECT_EQ(Moves(stitched), (std::vector<int>{120, 120, 120, 120, 120, 120, 120, 0}))
        << "the last step is shorter (840 - 720), then nothing moves";
    EXPECT_TRUE(SamePixels(PixelsOf(stitched.picture), window.Expected()));

    // Without a scroll bar, and in steps that leave little of the frame before in view.
    window.scrollBar = 0;
    window.document = Document(window.Content(), TextRows(700, 5000));
    EXPECT_TRUE(SamePixels(PixelsOf(Stitch(window, 140).picture), window.Expected()));
}

TEST(ScrollStitcherTest, BlankStretchesAndRepeatedItemsTakeTheOffsetNearestTheHint) {
    ScrollingWindow window;
    // Blank stretches taller than a step, and at the very top and bottom of the document: where the
    // rows that stay in view are all blank, the hint of the step before chooses.
    window.document = Document(window.Content(), Joined({std::vector<std::uint32_t>(70, 0), TextRows(100),
                                                         std::vector<std::uint32_t>(130, 0), TextRows(200, 400),
                                                         std::vector<std::uint32_t>(90, 0)}));
    EXPECT_TRUE(SamePixels(PixelsOf(Stitch(window, 60, 2000, false, 60).picture), window.Expected()));

    // A blank stretch taller than the frame: the frames differ only in the scroll bar's thumb, the
    // scroll position tells the step. (The first screen's lower half is blank like the next one's:
    // the scroll bar's track goes on from where the rows began to move.)
    window.document = Document(window.Content(), Joined({TextRows(100), std::vector<std::uint32_t>(400, 0),
                                                         TextRows(100, 900)}));
    const auto document = [&](const RgbImage& picture) {
        return picture.Copy({0, 0, window.Content(), picture.Height()});
    };
    EXPECT_TRUE(SamePixels(document(PixelsOf(Stitch(window, 60, 2000, true).picture)), document(window.Expected())));

    // A list of equal items 20 rows tall: steps of 90 rows also fit at 70 and 110. The hint from
    // the scroll position, or from the step before (here 85), chooses.
    std::vector<std::uint32_t> items;
    for (int item = 0; item < 40; ++item) {
        const auto rows = Joined({TextRows(16, 7000), std::vector<std::uint32_t>(4, 0)});
        items.insert(items.end(), rows.begin(), rows.end());
    }
    window.document = Document(window.Content(), Joined({TextRows(50), items, TextRows(50, 300)}));
    EXPECT_TRUE(SamePixels(PixelsOf(Stitch(window, 90, 2000, true).picture), window.Expected())) << "told";
    EXPECT_TRUE(SamePixels(PixelsOf(Stitch(window, 90, 2000, false, 85).picture), window.Expected())) << "guessed";
}

TEST(ScrollStitcherTest, AWindowThatDoesNotMoveGivesItsOneFrame) {
    ScrollingWindow window;
    window.document = Document(window.Content(), TextRows(100));  // shorter than the view
    fakes::FakeTallPicture tall(window.width, 1000);
    ScrollStitcher stitcher(tall);
    stitcher.Start(RowsOf(window.Frame(0)));
    // A frame that changed where nothing can have moved (a caret blinks) is no movement either.
    RgbImage blinked = window.Frame(0);
    for (int y = 40; y < 56; ++y) blinked.Set(60, y, 0);
    EXPECT_EQ(stitcher.Add(RowsOf(window.Frame(0))).moved, 0);
    EXPECT_EQ(stitcher.Add(RowsOf(blinked)).moved, 0);
    EXPECT_FALSE(stitcher.Moved());
    EXPECT_EQ(stitcher.Height(), window.Height());
    EXPECT_TRUE(SamePixels(PixelsOf(stitcher.Finish()), window.Frame(0))) << "the frame the capture began with";
}

TEST(ScrollStitcherTest, StopsAtTheHeightLimitWithTheFooterBelow) {
    ScrollingWindow window;
    window.document = Document(window.Content(), TextRows(1000));
    const int limit = 500;
    const Stitched stitched = Stitch(window, 120, limit);
    EXPECT_EQ(Moves(stitched), (std::vector<int>{120, 120, 120}));
    EXPECT_TRUE(stitched.steps.back().limitReached);
    const RgbImage picture = PixelsOf(stitched.picture);
    ASSERT_EQ(picture.Height(), limit);
    RgbImage expected = window.Expected().Copy({0, 0, window.width, limit - window.footer});
    fakes::Append(expected, window.Frame(360), window.header + window.view, window.footer);
    EXPECT_TRUE(SamePixels(picture, expected)) << "the document up to the limit, then the footer of the last frame";
}

TEST(ScrollStitcherTest, APanelBesideTheContentContinuesInItsBackground) {
    // A side panel on the left that does not scroll: text rows of its own on a grey background.
    ScrollingWindow window;
    window.scrollBar = 0;
    window.document = Document(window.Content(), TextRows(600));
    RgbImage panel = Document(50, Joined({TextRows(10, 90000), std::vector<std::uint32_t>(150, 0)}));
    for (int y = 0; y < panel.Height(); ++y) {
        for (int x = 0; x < panel.Width(); ++x) {
            if (panel.At(x, y) == 0xFFFFFF) panel.Set(x, y, 0xC0C0C0);
        }
    }
    const auto withPanel = [&](RgbImage frame) {
        frame.Paste(panel, {0, window.header});
        return frame;
    };
    fakes::FakeTallPicture tall(window.width, 10000);
    ScrollStitcher stitcher(tall);
    stitcher.Start(RowsOf(withPanel(window.Frame(0))));
    for (int position = 110; position <= window.LastPosition(); position += 110) {
        ASSERT_EQ(stitcher.Add(RowsOf(withPanel(window.Frame(position)))).moved, 110) << position;
    }
    const RgbImage picture = PixelsOf(stitcher.Finish());
    ASSERT_EQ(picture.Height(), window.Height() + window.LastPosition());
    const int below = window.header + window.view + 50;
    EXPECT_EQ(picture.At(20, below), 0xC0C0C0u) << "the panel's background below the first screen";
    EXPECT_EQ(picture.At(120, below), window.document.At(120, window.view + 50)) << "the document beside it";
    EXPECT_EQ(picture.At(20, window.header + 3), panel.At(20, 3)) << "the panel once, at its place";
}

}  // namespace
}  // namespace snapwright
