#include "ui/win32/IntervalTimer.h"

#include <gtest/gtest.h>

#include "MessageWindow.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PumpUntil;

TEST(IntervalTimer, ElapsedComesWithEveryTickUntilTheIntervalIsZero) {
    IntervalTimer timer;
    int ticks = 0;
    timer.Elapsed = [&] {
        if (++ticks == 3) timer.Interval(0);
    };
    timer.Interval(15);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(timer.Interval(), 0) << "stopped from its own handler";
    EXPECT_EQ(timer.TimerId(), 0u);
}

}  // namespace
}  // namespace snapwright::win32
