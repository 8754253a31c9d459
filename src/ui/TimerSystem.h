#pragma once
#include <cstdint>

namespace snapwright {

// The system's timers: started with an interval, stopped by the identifier the start gave.
class ITimerSystem {
public:
    virtual ~ITimerSystem() = default;
    // The new timer's identifier, 0 when the system could not make one.
    virtual std::uintptr_t StartTimer(std::int32_t milliseconds) = 0;
    virtual void StopTimer(std::uintptr_t id) = 0;
};

// A timer owner that the shared timer procedure pulses.
class ITimerTarget {
public:
    virtual ~ITimerTarget() = default;
    virtual void PulseTimer() = 0;
};

}  // namespace snapwright
