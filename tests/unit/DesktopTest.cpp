#include "capture/Desktop.h"

#include <gtest/gtest.h>

#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

// A 1024 x 768 primary with a task bar, and an 800 x 600 monitor left of it with one.
const Monitor kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true};
const Monitor kLeft{{-800, 0, 800, 600}, {-800, 0, 800, 570}, false};
const std::vector<Monitor> kMonitors{kPrimary, kLeft};

TEST(Desktop, TheVisibleFrameIsTheComposedOneWhereItFitsAndAMaximisedWindowKeepsToItsWorkArea) {
    const WindowEdges outer{93, 50, 93 + 654, 50 + 487};
    EXPECT_EQ(VisibleFrame({outer, WindowEdges{100, 50, 740, 530}, false}, kMonitors), (Rect{100, 50, 640, 480}));
    EXPECT_EQ(VisibleFrame({outer, WindowEdges{0, 0, 2000, 2000}, false}, kMonitors), (Rect{93, 50, 654, 487}))
        << "a composed frame beyond the window is not believed";
    // Maximised on the left monitor, its border hangs 4 px over the primary and its own task bar.
    const WindowEdges maximised{-804, -4, 4, 574};
    EXPECT_EQ(VisibleFrame({maximised, std::nullopt, true}, kMonitors), kLeft.workArea);
    EXPECT_EQ(VisibleFrame({maximised, std::nullopt, false}, kMonitors), (Rect{-804, -4, 808, 578}));
    EXPECT_EQ(VisibleFrame({WindowEdges{-2, 0, 2147483647, 10}, std::nullopt, false}, kMonitors), std::nullopt);
}

// Only what the user sees above the window counts: a window below it, a hidden or minimised one
// above it and one beside it do not.
TEST(Desktop, AWindowIsCoveredByAShownWindowAboveItThatOverlapsThePart) {
    fakes::FakeScreen screen;
    fakes::FakeWindowService windows;
    windows.rectangles = {{1, {0, 0, 100, 100}}, {2, {100, 0, 200, 100}}, {3, {50, 50, 150, 150}},
                          {4, {50, 50, 150, 150}}, {5, {0, 0, 300, 300}}};
    windows.topLevel = {{1, true}, {2, true}, {3, false}, {4, true, true}, {5, true}};
    const Desktop desktop(screen, windows);
    EXPECT_FALSE(desktop.Covered(5, {20, 120, 200, 100})) << "the one above lies beside the part";
    EXPECT_TRUE(desktop.Covered(5, {20, 20, 200, 100}));
    EXPECT_TRUE(desktop.Covered(5, {150, 50, 50, 50})) << "covered by the second one above";
    EXPECT_FALSE(desktop.Covered(5, {100, 100, 100, 100})) << "hidden and minimised windows show nothing";
    EXPECT_FALSE(desktop.Covered(1, {0, 0, 100, 100})) << "the top window";
    EXPECT_TRUE(desktop.Covered(9, {150, 150, 10, 10})) << "a window not shown: the one that shows there";
}

}  // namespace
}  // namespace snapwright
