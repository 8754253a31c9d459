#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ui/TimerSystem.h"

namespace snapwright {

// The running timers of the program: a table of 100 entries (1 to 100), each a timer owner with
// the identifier of its system timer, and the highest index ever used.
class TimerTable {
public:
    static constexpr int kCapacity = 100;

    // A timer owner's own state: its interval (0 = stopped) and its system timer's identifier.
    struct TimerState {
        std::int32_t interval = 0;
        std::uintptr_t id = 0;
    };

    TimerTable(ITimerSystem& system, std::string errorSource);

    // Writing a timer's Interval: starts, changes or stops its system timer.
    void SetInterval(ITimerTarget& target, TimerState& state, std::int32_t value);
    // The shared timer procedure: pulses the owner of the system timer `id`.
    void Pulse(std::uintptr_t id);

    int HighestIndex() const { return m_highestIndex; }
    int Count() const;
    // The owner in entry `index` (1-based), null when the entry is empty.
    ITimerTarget* At(int index) const;

private:
    struct Entry {
        ITimerTarget* target = nullptr;
        std::uintptr_t id = 0;
    };

    bool Register(ITimerTarget& target, TimerState& state);
    void Unregister(TimerState& state);

    ITimerSystem& m_system;
    std::string m_errorSource;
    std::array<Entry, kCapacity> m_entries{};
    int m_highestIndex = 0;
};

}  // namespace snapwright
