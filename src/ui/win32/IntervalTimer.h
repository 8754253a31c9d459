#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/TimerTable.h"

namespace snapwright::win32 {

// A system timer with an interval in milliseconds (0 = stopped) and the event Elapsed.
class IntervalTimer : public ITimerTarget {
public:
    IntervalTimer() = default;
    ~IntervalTimer() override;
    IntervalTimer(const IntervalTimer&) = delete;
    IntervalTimer& operator=(const IntervalTimer&) = delete;

    std::int32_t Interval() const { return m_state.interval; }
    // Starts, changes or stops the timer; raises ObjectError 13651 or 13652.
    void Interval(std::int32_t value);
    void PulseTimer() override;
    // The system timer's identifier, 0 while stopped.
    UINT_PTR TimerId() const { return m_state.id; }

    std::function<void()> Elapsed;

private:
    TimerTable::TimerState m_state;
};

}  // namespace snapwright::win32
