#include "ui/win32/CTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MessageWindow.h"
#include "ui/ObjectError.h"
#include "ui/win32/MTimer.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PumpUntil;

TEST(CTimer, ThatTimeComesWithEveryTickUntilTheIntervalIsZero) {
    CTimer timer;
    int ticks = 0;
    timer.ThatTime = [&] {
        if (++ticks == 3) timer.Interval(0);
    };
    timer.Interval(15);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(timer.Interval(), 0) << "stopped from its own handler";
    EXPECT_EQ(timer.TimerId(), 0u);
}

TEST(CTimer, TheHundredAndFirstTimerRaises13651) {
    const int running = MTimer::Table().Count();
    std::vector<std::unique_ptr<CTimer>> timers;
    for (int i = running; i < TimerTable::kCapacity; ++i) {
        timers.push_back(std::make_unique<CTimer>());
        timers.back()->Interval(60000);
    }
    CTimer extra;
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
    EXPECT_EQ(MTimer::Table().Count(), running) << "destroying a timer stops it";
}

TEST(CTimer, ADestroyedTimerIsNeverPulsed) {
    auto ticks = std::make_shared<int>(0);
    UINT_PTR id = 0;
    {
        CTimer timer;
        timer.ThatTime = [ticks] { ++*ticks; };
        timer.Interval(1);
        id = timer.TimerId();
        ::Sleep(30);  // let the system timer fall due before it is stopped
    }
    // A tick that was already due arrives as a message and must find nobody.
    MTimer::TimerProc(nullptr, WM_TIMER, id, 0);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    EXPECT_EQ(*ticks, 0);
}

}  // namespace
}  // namespace snapwright::win32
