#include "capture/RegionSelection.h"

#include <gtest/gtest.h>

#include <functional>

#include "CaptureSpine.h"
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

// S takes the window offered, as a click does, to be scrolled; over the bare desktop or while a region
// is drawn it does nothing. A click tells the window too; a region drawn does not.
TEST(RegionSelectionTest, STakesTheWindowOfferedToBeScrolled) {
    RegionSelection pointing(kMonitors, kWindows, {0, 0});
    pointing.MoveTo({-700, 50});
    pointing.ScrollWindow();
    EXPECT_EQ(pointing.CurrentStep(), Step::Pointing) << "no window over the bare desktop";
    pointing.MoveTo({-200, 150});
    pointing.Press({-200, 150});
    pointing.ScrollWindow();
    EXPECT_EQ(pointing.CurrentStep(), Step::Pressed) << "not while pressed";
    pointing.Release({-200, 150});
    EXPECT_EQ(pointing.TakenWindow(), std::optional<std::size_t>(1)) << "a click takes the window below";
    EXPECT_FALSE(pointing.ScrollAsked());

    RegionSelection s(kMonitors, kWindows, {250, 250});
    s.ScrollWindow();
    EXPECT_EQ(s.CurrentStep(), Step::Taken);
    EXPECT_EQ(s.TakenWindow(), std::optional<std::size_t>(0)) << "the top window under the pointer";
    EXPECT_TRUE(s.ScrollAsked());
    EXPECT_EQ(s.Marked(), kWindows[0]);

    RegionSelection drawn(kMonitors, kWindows, {0, 0});
    drawn.Press({250, 250});
    drawn.MoveTo({280, 290});
    drawn.ScrollWindow();
    EXPECT_EQ(drawn.CurrentStep(), Step::Dragging);
    drawn.Release({280, 290});
    EXPECT_EQ(drawn.CurrentStep(), Step::Taken);
    EXPECT_EQ(drawn.TakenWindow(), std::nullopt) << "a region drawn over a window is no window";
}

// The user's part, played on the overlay.
class ScriptedOverlay : public IRegionOverlay {
public:
    void WaitForRepaint() override { ++repaints; }
    void Select(const Picture&, const Rect&, RegionSelection& selection) override { user(selection); }
    PicturePtr Cut(const Picture&, const Rect& part) override {
        return std::make_shared<fakes::FakePicture>(part.left, part.top, 99);
    }
    std::function<void(RegionSelection&)> user;
    std::size_t repaints = 0;
};

// A region capture on the monitors and windows above, with the user's part scripted.
class RegionCaptureTest : public ::testing::Test, protected CaptureSpine {
protected:
    RegionCaptureTest() { screen.monitors = kMonitors; }
    ScriptedOverlay overlay;
    RegionCapture region{screen, windows, engine, currentShot, messages, overlay};
};

// The region is cut from the one grab where the user drew it; a cancel, or a second region asked
// for while one is drawn, leaves the screenshot and the clipboard as they were. Windows the user
// does not see are not offered, though they lie on top.
TEST_F(RegionCaptureTest, TheRegionIsCutFromTheOneGrabAndACancelChangesNothing) {
    windows.rectangles[7] = {200, 200, 300, 300};
    for (WindowRef unseen : {3, 4, 5, 6}) windows.rectangles[unseen] = {0, 0, 1024, 768};
    windows.topLevel = {{3, false, false, false, false},
                        {4, true, true, false, false},
                        {5, true, false, true, false},
                        {6, true, false, false, true},
                        {7, true, false, false, false}};
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

// A key or a command that captures while the overlay covers the screen gets the desktop under the
// overlay: its part of the grab the overlay froze, found by the virtual screen's coordinates (a
// monitor left of the primary one starts them below zero). Once the overlay has gone, grabs read
// the screen again.
TEST_F(RegionCaptureTest, CapturesWhileTheOverlayIsUpAreCutFromTheFrozenDesktop) {
    screen.monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true},
                       {{-800, 100, 800, 600}, {-800, 100, 800, 600}, false}};
    windows.rectangles[7] = {-50, 200, 350, 500};
    windows.foreground = 7;
    PicturePtr screenShot, windowShot;
    overlay.user = [&](RegionSelection& selection) {
        EXPECT_TRUE(region.Drawing());
        screenShot = engine.GrabScreenPicture();
        windowShot = engine.GrabActiveWindowPicture();
        selection.Cancel();
    };
    EXPECT_EQ(region.Take(), nullptr);
    EXPECT_FALSE(region.Drawing());

    EXPECT_EQ(capture.serial, 1) << "the screen was read once, for the overlay";
    // The scripted cut is a picture as wide and high as the cut's left and top.
    ASSERT_EQ(fakes::SerialOf(screenShot), 99);
    EXPECT_EQ((Point{screenShot->Width(), screenShot->Height()}), (Point{0, 0}));
    ASSERT_EQ(fakes::SerialOf(windowShot), 99);
    EXPECT_EQ((Point{windowShot->Width(), windowShot->Height()}), (Point{750, 200}));
    EXPECT_EQ(fakes::SerialOf(engine.GrabScreenPicture()), 2);
}

// A window taken with S is scrolled once the overlay has gone, brought in front and painted first;
// what the scrolling capture says about its end comes back. A click scrolls only where asked; a
// region drawn is cut as drawn even then.
TEST_F(RegionCaptureTest, SScrollsTheWindowUnderThePointerInFront) {
    windows.rectangles[7] = {200, 200, 300, 300};
    windows.rectangles[8] = {-300, 100, 300, 500};
    windows.topLevel = {{7, true, false, false, false}, {8, true, false, false, false}};
    std::vector<WindowRef> scrolled;
    const PicturePtr tall = std::make_shared<fakes::FakePicture>(100, 2000, 42);
    region.SetScrollCapture([&](WindowRef window) {
        EXPECT_EQ(windows.foreground, window) << "in front before it is scrolled";
        EXPECT_EQ(overlay.repaints, scrolled.size() + 1) << "and given the time to paint";
        scrolled.push_back(window);
        return ScrollOutcome{tall, ScrollEnding::HeightLimit, "The height limit was reached."};
    });

    overlay.user = [](RegionSelection& selection) {
        selection.MoveTo({0, 300});
        selection.ScrollWindow();
    };
    RegionRequest request;
    EXPECT_EQ(region.Take(request), tall);
    EXPECT_EQ(scrolled, std::vector<WindowRef>{8});
    EXPECT_EQ(request.note, "The height limit was reached.");

    const auto click = [](RegionSelection& selection) {
        selection.Press({250, 250});
        selection.Release({250, 250});
    };
    overlay.user = click;
    RegionRequest plain;
    EXPECT_NE(region.Take(plain), tall) << "a click takes the window as it shows";
    RegionRequest clickScrolls;
    clickScrolls.clickScrolls = true;
    EXPECT_EQ(region.Take(clickScrolls), tall);
    overlay.user = [](RegionSelection& selection) {
        selection.Press({250, 250});
        selection.MoveTo({300, 320});
        selection.Release({300, 320});
    };
    const PicturePtr drawn = region.Take(clickScrolls);
    EXPECT_EQ(fakes::SerialOf(drawn), 99) << "a region drawn, cut as drawn";
    EXPECT_EQ((Point{drawn->Width(), drawn->Height()}), (Point{1050, 250})) << "where it was drawn";
    EXPECT_EQ(scrolled, (std::vector<WindowRef>{8, 7}));
    EXPECT_TRUE(messages.errors.empty());
}

}  // namespace
}  // namespace snapwright
