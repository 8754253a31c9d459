#include "ui/win32/IntervalTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MessageWindow.h"
#include "ui/ObjectError.h"
#include "ui/win32/ProgramTimers.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PumpUntil;

TEST(IntervalTimer, ThatTimeComesWithEveryTickUntilTheIntervalIsZero) {
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

TEST(IntervalTimer, TheHundredAndFirstTimerRaises13651) {
    const int running = ProgramTimers::Table().Count();
    std::vector<std::unique_ptr<IntervalTimer>> timers;
    for (int i = running; i < TimerTable::kCapacity; ++i) {
        timers.push_back(std::make_unique<IntervalTimer>());
        timers.back()->Interval(60000);
    }
    IntervalTimer extra;
    try {
        extra.Interval(60000);
        ADD_FAILURE() << "the 101st timer was accepted";
    } catch (const ObjectError& error) {
        EXPECT_EQ(error.Number(), -2147207853);
        EXPECT_EQ(error.Description(), "No more than 10 timers allowed per class");
        EXPECT_EQ(error.Source(), "snapwright_win_tests.WindowProc");
    }
    EXPECT_EQ(extra.TimerId(), 0u);

    timers.pop_back();
    extra.Interval(60000);
    EXPECT_NE(extra.TimerId(), 0u) << "a free entry takes a timer again";
    extra.Interval(0);
    timers.clear();
    EXPECT_EQ(ProgramTimers::Table().Count(), running) << "destroying a timer stops it";
}

TEST(IntervalTimer, ADestroyedTimerIsNeverPulsed) {
    auto ticks = std::make_shared<int>(0);
    UINT_PTR id = 0;
    {
        IntervalTimer timer;
        timer.Elapsed = [ticks] { ++*ticks; };
        timer.Interval(1);
        id = timer.TimerId();
        ::Sleep(30);  // let the system timer fall due before it is stopped
    }
    // A tick that was already due arrives as a message and must find nobody.
    ProgramTimers::TimerProc(nullptr, WM_TIMER, id, 0);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    EXPECT_EQ(*ticks, 0);
}

}  // namespace
}  // namespace snapwright::win32
