#include "ui/TimerTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/ObjectError.h"

namespace snapwright {
namespace {

class FakeTimerSystem : public ITimerSystem {
public:
    std::uintptr_t StartTimer(std::int32_t milliseconds) override {
        log.push_back("start " + std::to_string(milliseconds));
        if (refuse) return 0;
        running.insert(++lastId);
        return lastId;
    }
    void StopTimer(std::uintptr_t id) override {
        log.push_back("stop " + std::to_string(id));
        running.erase(id);
    }

    std::vector<std::string> log;
    std::set<std::uintptr_t> running;
    std::uintptr_t lastId = 500;
    bool refuse = false;
};

class Timer : public ITimerTarget {
public:
    void PulseTimer() override {
        ++pulses;
        if (onPulse) onPulse();
    }
    TimerTable::TimerState state;
    int pulses = 0;
    std::function<void()> onPulse;
};

class TimerTableTest : public ::testing::Test {
protected:
    void Set(Timer& timer, std::int32_t value) { table.SetInterval(timer, timer.state, value); }
    // The code of the error that setting the interval raises, 0 when none.
    int RaisedCode(Timer& timer, std::int32_t value) {
        try {
            Set(timer, value);
        } catch (const ObjectError& error) {
            EXPECT_EQ(error.Source(), "snapwright.WindowProc");
            lastDescription = error.Description();
            return error.Code();
        }
        return 0;
    }

    FakeTimerSystem system;
    TimerTable table{system, "snapwright.WindowProc"};
    std::string lastDescription;
};

TEST_F(TimerTableTest, APositiveIntervalStartsATimerANewOneReplacesItAndZeroStopsIt) {
    Timer timer;
    Set(timer, 250);
    EXPECT_EQ(timer.state.id, 501u);
    EXPECT_EQ(table.At(1), &timer);
    Set(timer, 40);
    EXPECT_EQ(timer.state.id, 502u);
    EXPECT_EQ(table.Count(), 1);
    Set(timer, 0);
    EXPECT_EQ(timer.state.interval, 0);
    EXPECT_EQ(timer.state.id, 0u);
    EXPECT_EQ(table.At(1), nullptr);
    EXPECT_EQ(system.log, (std::vector<std::string>{"start 250", "stop 501", "start 40", "stop 502"}));

    Set(timer, 10);
    Set(timer, -1);
    EXPECT_EQ(timer.state.interval, 0) << "a negative interval stops, too";
    EXPECT_TRUE(system.running.empty());
}

TEST_F(TimerTableTest, TheHundredAndFirstTimerIsRefusedWithoutStartingOne) {
    std::vector<std::unique_ptr<Timer>> timers;
    for (int i = 0; i < TimerTable::kCapacity; ++i) {
        timers.push_back(std::make_unique<Timer>());
        ASSERT_EQ(RaisedCode(*timers.back(), 1000), 0) << "timer " << i + 1;
    }
    Timer extra;
    system.log.clear();
    EXPECT_EQ(RaisedCode(extra, 1000), kErrTooManyTimers);
    EXPECT_EQ(lastDescription, "No more than 10 timers allowed per class");
    EXPECT_TRUE(system.log.empty()) << "a refused timer must not run on unseen";
    EXPECT_EQ(extra.state.interval, 0);

    // Room again once one has stopped.
    Set(*timers[41], 0);
    EXPECT_EQ(RaisedCode(extra, 1000), 0);
    EXPECT_EQ(table.At(42), &extra);
}

TEST_F(TimerTableTest, APulseReachesTheOwnerOfThatSystemTimer) {
    Timer a, b;
    Set(a, 10);
    Set(b, 10);
    table.Pulse(b.state.id);
    table.Pulse(9999);
    EXPECT_EQ(a.pulses, 0);
    EXPECT_EQ(b.pulses, 1);

    // An owner may stop its own timer while it is pulsed; a late pulse then reaches nobody.
    const std::uintptr_t id = a.state.id;
    a.onPulse = [&] { Set(a, 0); };
    table.Pulse(id);
    table.Pulse(id);
    EXPECT_EQ(a.pulses, 1);
}

}  // namespace
}  // namespace snapwright
