#include "platform/Geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace snapwright {
namespace {

// A 1024 x 768 primary with a task bar, and an 800 x 600 monitor left of it with one.
const Monitor kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true};
const Monitor kLeft{{-800, 0, 800, 600}, {-800, 0, 800, 570}, false};
const std::vector<Monitor> kMonitors{kPrimary, kLeft};

TEST(Geometry, VirtualScreenShownPartsAndTheMonitorOfAPointOrAWindow) {
    EXPECT_EQ(BoundingRectangle(kMonitors), (Rect{-800, 0, 1824, 768}));
    // A window across both monitors, its lower left corner on neither; the corner no monitor covers.
    EXPECT_EQ(ShownParts({-100, 550, 300, 100}, kMonitors),
              (std::vector<Rect>{{0, 550, 200, 100}, {-100, 550, 100, 50}}));
    EXPECT_TRUE(ShownParts({-800, 600, 800, 168}, kMonitors).empty());
    EXPECT_EQ(MonitorAt(kMonitors, {-1, 599}), &kMonitors[1]);
    EXPECT_EQ(MonitorAt(kMonitors, {-5, 700}), &kMonitors[0]) << "below the left monitor, nearer the primary";
    EXPECT_EQ(MonitorOf(kMonitors, {-300, 100, 400, 300}), &kMonitors[1]) << "the larger share";
    EXPECT_EQ(MonitorOf(kMonitors, {-5000, 100, 400, 300}), &kMonitors[1]) << "beyond every monitor: the nearest";
    EXPECT_EQ(CentredIn({900, 300}, kLeft.workArea), (Rect{-800, 135, 900, 300})) << "too wide: from the left edge";
}

}  // namespace
}  // namespace snapwright
