#include "capture/Desktop.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace snapwright
