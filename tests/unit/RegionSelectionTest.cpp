#include "capture/RegionSelection.h"

#include <gtest/gtest.h>

#include <functional>

#include "capture/RegionCapture.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using Step = RegionSelection::Step;

// A 1024 x 768 primary and an 800 x 600 monitor left of it; a small window over a large one.
const std::vector<Monitor> kMonitors{{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true},
                                     {{-800, 0, 800, 600}, {-800, 0, 800, 570}, false}};
const std::vector<Rect> kWindows{{200, 200, 100, 100}, {-300, 100, 600, 400}};

TEST(RegionRules, DragsClicksAndArrowKeysOnTheDesktop) {
    for (const auto& [from, to] : {std::pair{Point{100, 120}, Point{340, 300}}, {{340, 300}, {100, 120}},
                                   {{100, 300}, {340, 120}}, {{340, 120}, {100, 300}}}) {
        EXPECT_EQ(DragRectangle(from, to, kMonitors), (Rect{100, 120, 240, 180}));
    }
    // The last pixel before an edge reaches it; before the next monitor it does not.
    EXPECT_EQ(DragRectangle({1023, 767}, {900, 700}, kMonitors), (Rect{900, 700, 124, 68}));
    EXPECT_EQ(DragRectangle({-100, 100}, {-1, 599}, kMonitors), (Rect{-100, 100, 99, 500}));
    EXPECT_EQ(ClampToDesktop({-900, 650}, kMonitors), (Point{-800, 599}));

    EXPECT_EQ(WindowUnder({250, 250}, kWindows, kMonitors), kWindows[0]);
    EXPECT_EQ(WindowUnder({100, 150}, kWindows, kMonitors), (Rect{0, 100, 300, 400})) << "on the pointer's monitor";
    EXPECT_EQ(WindowUnder({-700, 50}, kWindows, kMonitors), kMonitors[1].bounds) << "no window: the monitor";

    EXPECT_EQ(StepPointer({100, 100}, ArrowKey::Left, false, kMonitors), (Point{99, 100}));
    EXPECT_EQ(StepPointer({1020, 5}, ArrowKey::Right, true, kMonitors), (Point{1023, 5}));
}

TEST(RegionSelectionTest, ADragAClickOrTheKeysTakeNoLineAndEscapeCancels) {
    RegionSelection click(kMonitors, kWindows, {0, 0});
    click.Press({250, 250});
    click.Release({254, 246});  // within the click distance
    EXPECT_EQ(click.Marked(), kWindows[0]);

    RegionSelection keys(kMonitors, kWindows, {0, 0});
    keys.Press({100, 100});
    keys.MoveBy(ArrowKey::Down, true);
    keys.Confirm();
    EXPECT_EQ(keys.CurrentStep(), Step::Dragging) << "Enter takes no line";
    keys.Release({100, 300});
    EXPECT_EQ(keys.CurrentStep(), Step::Pointing) << "nor does a release";
    keys.Press({100, 100});
    for (int i = 0; i < 24; ++i) keys.MoveBy(ArrowKey::Right, true);
    keys.MoveBy(ArrowKey::Down, false);
    keys.Confirm();
    EXPECT_EQ(keys.Marked(), (Rect{100, 100, 240, 1}));

    RegionSelection escape(kMonitors, kWindows, {0, 0});
    escape.Press({100, 100});
    escape.Cancel();
    escape.Release({300, 300});
    EXPECT_EQ(escape.Marked(), std::nullopt) << "cancelled for good";
}

// The user's part, played on the overlay.
class ScriptedOverlay : public IRegionOverlay {
public:
    void WaitForRepaint() override {}
    void Select(const Picture&, const Rect&, RegionSelection& selection) override { user(selection); }
    PicturePtr Cut(const Picture&, const Rect& part) override {
        return std::make_shared<fakes::FakePicture>(part.left, part.top, 99);
    }
    std::function<void(RegionSelection&)> user;
};

// The region is cut from the one grab where the user drew it; a cancel, or a second region asked
// for while one is drawn, leaves the screenshot and the clipboard as they were. Windows the user
// does not see are not offered, though they lie on top.
TEST(RegionCaptureTest, TheRegionIsCutFromTheOneGrabAndACancelChangesNothing) {
    fakes::FakeScreen screen;
    screen.monitors = kMonitors;
    fakes::FakeWindowService windows;
    windows.rectangles[7] = {200, 200, 300, 300};
    for (WindowRef unseen : {3, 4, 5, 6}) windows.rectangles[unseen] = {0, 0, 1024, 768};
    windows.topLevel = {{3, false, false, false, false},
                        {4, true, true, false, false},
                        {5, true, false, true, false},
                        {6, true, false, false, true},
                        {7, true, false, false, false}};
    fakes::FakeScreenCapture capture;
    fakes::FakeClipboard clipboard;
    fakes::FakeUserMessages messages;
    CurrentShot currentShot;
    ScriptedOverlay overlay;
    CaptureEngine engine(screen, windows, capture, clipboard, currentShot);
    RegionCapture region(screen, windows, engine, currentShot, messages, overlay);

    overlay.user = [&](RegionSelection& selection) {
        EXPECT_EQ(region.Take(), nullptr);
        selection.Cancel();
    };
    EXPECT_EQ(region.Take(), nullptr);
    EXPECT_EQ(currentShot.Get(), nullptr);
    EXPECT_EQ(clipboard.held, nullptr);

    overlay.user = [](RegionSelection& selection) {
        selection.MoveTo({250, 250});
        selection.Confirm();  // Enter: the window under the pointer
    };
    const PicturePtr shot = region.Take();
    EXPECT_EQ(capture.serial, 2) << "one grab each";
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ((Point{shot->Width(), shot->Height()}), (Point{1000, 200})) << "the window, in the picture";
    EXPECT_EQ(currentShot.Get(), shot);
    EXPECT_EQ(clipboard.held, shot);
}

}  // namespace
}  // namespace snapwright
