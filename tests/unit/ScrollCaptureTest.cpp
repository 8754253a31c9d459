#include "capture/ScrollCapture.h"

#include <gtest/gtest.h>

#include "CaptureSpine.h"
#include "fakes/FakeScrollPorts.h"

namespace snapwright {
namespace {

using fakes::SamePixels;
using fakes::ScrollState;

class ScrollCaptureTest : public testing::Test, protected CaptureSpine {
protected:
    ScrollCaptureTest() {
        state.look.view = 240;
        state.area = {100, 100, 200, 280};
        // 1200 rows, each of its own: the view of 240 rows ends at 960, 60 lines of 16.
        state.look.document = fakes::Document(state.look.Content(), fakes::TextRows(1200));
    }

    ScrollOutcome Take(int heightLimit = 16384) {
        ScrollCapture capture({engine, currentShot, messages, screen, note,
                               [this](WindowRef) -> std::unique_ptr<IScrolledWindow> {
                                   if (!readable) return nullptr;
                                   return std::make_unique<fakes::FakeScrolledWindow>(state);
                               },
                               [](int width, int rows, int) { return std::make_unique<fakes::FakeTallPicture>(width, rows); },
                               settings, heightLimit});
        return capture.Take(1);
    }

    RgbImage Pixels(const ScrollOutcome& outcome) { return fakes::PixelsOf(*outcome.picture); }

    fakes::FakeScrollNote note;
    bool readable = true;
    ScrollState state;
};

TEST_F(ScrollCaptureTest, TheWheelTakesTheWholeDocumentAndTheWindowGoesBackToTheUsersPlace) {
    state.position = 240;  // five notches down
    const ScrollOutcome outcome = Take();
    EXPECT_EQ(outcome.ending, ScrollEnding::Bottom);
    EXPECT_TRUE(outcome.note.empty());
    ASSERT_TRUE(outcome.picture);
    EXPECT_TRUE(SamePixels(Pixels(outcome), state.look.Expected()));
    EXPECT_EQ(state.position, 240) << "back through the scroll bar that told it";
    EXPECT_EQ(state.log.front(), "scroll bar top");
    EXPECT_EQ(state.log.back(), "scroll bar to 15");
    EXPECT_EQ(currentShot.Get(), outcome.picture) << "the current screenshot";
    EXPECT_EQ(clipboard.held, outcome.picture) << "on the clipboard";

    // Without a scroll bar the way up is measured and gone again.
    state.linePixels = 0;
    state.position = 240;
    state.log.clear();
    EXPECT_TRUE(SamePixels(Pixels(Take()), state.look.Expected()));
    EXPECT_EQ(state.position, 240);
    EXPECT_EQ(state.log.front(), "wheel -3");
    EXPECT_FALSE(note.shown) << "the note goes when the capture ends";
    EXPECT_EQ(note.places.front(), (Rect{140, 388, 120, 40})) << "below the area";
    EXPECT_EQ(note.texts.front(), "Scrolling\u2026 Esc stops / 0 pixels taken");
    EXPECT_EQ(note.texts.back(), "Scrolling\u2026 Esc stops / 1240 pixels taken");

    // Less than a step from the top: the step up that reaches it moves less than the wheel does, and
    // the steps down are not sized by it.
    for (const int start : {48, 96}) {
        state.position = start;
        EXPECT_TRUE(SamePixels(Pixels(Take()), state.look.Expected())) << start;
        EXPECT_EQ(state.position, start);
    }
}

TEST_F(ScrollCaptureTest, AWindowThatIgnoresTheWheelIsScrolledByItsScrollBarOrTheKeys) {
    state.wheelPixels = 0;
    EXPECT_TRUE(SamePixels(Pixels(Take()), state.look.Expected()));
    EXPECT_EQ(state.position, 0);

    // A scroll bar that does not tell its position (another program's, under Wine) is tried up
    // too, once the wheel has moved nothing either way, and goes back line by line.
    state.scrollBarTold = false;
    state.position = 240;
    EXPECT_TRUE(SamePixels(Pixels(Take()), state.look.Expected()));
    EXPECT_EQ(state.position, 240);

    state.linePixels = 0;
    state.pagePixels = 150;  // a page less ten rows
    state.position = 450;
    state.log.clear();
    const ScrollOutcome outcome = Take();
    EXPECT_TRUE(SamePixels(Pixels(outcome), state.look.Expected()));
    EXPECT_EQ(state.position, 450) << "three pages up, and down again";
}

TEST_F(ScrollCaptureTest, AWindowThatDoesNotScrollGivesItsPictureAndSaysSo) {
    state.wheelPixels = 0;
    state.linePixels = 0;
    const ScrollOutcome outcome = Take();
    EXPECT_EQ(outcome.ending, ScrollEnding::DoesNotScroll);
    EXPECT_FALSE(outcome.note.empty());
    EXPECT_TRUE(SamePixels(Pixels(outcome), state.look.Frame(0)));
    EXPECT_TRUE(messages.errors.empty());

    readable = false;
    EXPECT_FALSE(Take().picture);
    EXPECT_EQ(messages.errors.size(), 1u) << "a window that cannot be read is told";
    EXPECT_EQ(currentShot.Get(), outcome.picture) << "the screenshot before stays current";

    // Another window that stays over it would be in every frame: nothing is scrolled or taken.
    readable = true;
    state.staysCovered = true;
    state.log.clear();
    EXPECT_FALSE(Take().picture);
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_NE(messages.errors[1].find("another window stays in front"), std::string::npos) << messages.errors[1];
    EXPECT_TRUE(state.log.empty()) << "not scrolled";
    EXPECT_EQ(currentShot.Get(), outcome.picture);
}

TEST_F(ScrollCaptureTest, EscapeKeepsWhatWasTakenAndAnotherCaptureTakesItAll) {
    state.position = 96;
    state.stopAfter = 3;  // three steps down of three notches (48 rows each)
    ScrollOutcome outcome = Take();
    EXPECT_EQ(outcome.ending, ScrollEnding::Stopped);
    EXPECT_TRUE(outcome.note.empty());
    const RgbImage expected = state.look.Expected();
    const int taken = 3 * 144;
    RgbImage part = expected.Copy({0, 0, 200, 264 + taken});
    fakes::Append(part, state.look.Frame(taken), 264, 16);
    EXPECT_TRUE(SamePixels(Pixels(outcome), part)) << "the document down to the third step, and the footer";
    EXPECT_EQ(state.position, 96);

    state.stopAfter = -1;
    outcome = Take();
    EXPECT_EQ(outcome.ending, ScrollEnding::Bottom);
    EXPECT_TRUE(SamePixels(Pixels(outcome), expected));
}

TEST_F(ScrollCaptureTest, AWindowLostOrAHeightLimitEndsWithWhatWasTakenAndSaysSo) {
    state.position = 96;
    state.lostAfter = 3;
    ScrollOutcome outcome = Take();
    EXPECT_EQ(outcome.ending, ScrollEnding::WindowLost);
    EXPECT_FALSE(outcome.note.empty());
    EXPECT_EQ(Pixels(outcome).Height(), state.look.Height() + 2 * 144) << "two steps before the window went";
    EXPECT_EQ(state.position, 3 * 144) << "not scrolled back: it is gone";

    state.lostAfter = -1;
    outcome = Take(500);
    EXPECT_EQ(outcome.ending, ScrollEnding::HeightLimit);
    EXPECT_NE(outcome.note.find("500"), std::string::npos) << outcome.note;
    EXPECT_EQ(Pixels(outcome).Height(), 500);
}

TEST_F(ScrollCaptureTest, ANoteWithoutRoomBesideTheWindowIsAwayForEveryGrab) {
    state.area = screen.monitors[0].workArea;
    state.noteShown = &note.shown;
    EXPECT_TRUE(SamePixels(Pixels(Take()), state.look.Expected()));
    EXPECT_EQ(note.places.front(), (Rect{896, 680, 120, 40})) << "in the work area's corner";
    EXPECT_EQ(state.grabsWithNote, 0);
    EXPECT_GT(note.texts.size(), 10u) << "shown again after each grab";
}

TEST(PlaceNoteTest, BesideTheAreaOnItsMonitorOrInTheCornerOverIt) {
    const std::vector<Monitor> monitors{{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true},
                                        {{1024, 0, 800, 600}, {1024, 0, 800, 600}, false}};
    const Size note{200, 50};
    EXPECT_EQ(PlaceNote(note, {100, 100, 400, 300}, monitors), (NotePlacement{{200, 408, 200, 50}})) << "below";
    EXPECT_EQ(PlaceNote(note, {100, 300, 400, 400}, monitors), (NotePlacement{{200, 242, 200, 50}})) << "above";
    EXPECT_EQ(PlaceNote(note, {0, 20, 700, 700}, monitors), (NotePlacement{{708, 345, 200, 50}})) << "right";
    EXPECT_EQ(PlaceNote(note, {1300, 0, 500, 600}, monitors), (NotePlacement{{1092, 275, 200, 50}}))
        << "left, on the second monitor";
    EXPECT_EQ(PlaceNote(note, {0, 0, 1024, 728}, monitors), (NotePlacement{{816, 670, 200, 50}, true}))
        << "a maximised window";
}

}  // namespace
}  // namespace snapwright
