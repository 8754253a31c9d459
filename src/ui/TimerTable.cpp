#include "ui/TimerTable.h"

#include <utility>

#include "platform/ObjectError.h"

namespace snapwright {

TimerTable::TimerTable(ITimerSystem& system, std::string errorSource)
    : m_system(system), m_errorSource(std::move(errorSource)) {}

int TimerTable::Count() const {
    int count = 0;
    for (const Entry& entry : m_entries) count += entry.target != nullptr ? 1 : 0;
    return count;
}

ITimerTarget* TimerTable::At(int index) const {
    if (index < 1 || index > kCapacity) return nullptr;
    return m_entries[static_cast<std::size_t>(index - 1)].target;
}

void TimerTable::SetInterval(ITimerTarget& target, TimerState& state, std::int32_t value) {
    if (value >= 1 && value != state.interval) {
        if (state.interval > 0) Unregister(state);
        state.interval = value;
        if (!Register(target, state)) throw ObjectError(kErrCantCreateTimer, m_errorSource);
    } else if (value <= 0 && state.interval > 0) {
        state.interval = 0;
        Unregister(state);
    }
}

// The table is checked for room before the system timer is made: a timer made first and then
// refused would keep running with nobody able to stop it.
bool TimerTable::Register(ITimerTarget& target, TimerState& state) {
    Entry* free = nullptr;
    int freeIndex = 0;
    for (int index = 1; index <= kCapacity && free == nullptr; ++index) {
        Entry& entry = m_entries[static_cast<std::size_t>(index - 1)];
        if (entry.target == nullptr) {
            free = &entry;
            freeIndex = index;
        }
    }
    if (free == nullptr) {
        state = TimerState{};
        throw ObjectError(kErrTooManyTimers, m_errorSource);
    }

    state.id = m_system.StartTimer(state.interval);
    if (state.id == 0) {
        state = TimerState{};
        return false;
    }
    *free = Entry{&target, state.id};
    if (freeIndex > m_highestIndex) m_highestIndex = freeIndex;
    return true;
}

void TimerTable::Unregister(TimerState& state) {
    for (int index = 1; index <= m_highestIndex; ++index) {
        Entry& entry = m_entries[static_cast<std::size_t>(index - 1)];
        if (entry.target != nullptr && entry.id == state.id) {
            m_system.StopTimer(entry.id);
            entry = Entry{};
            break;
        }
    }
    state.id = 0;
}

void TimerTable::Pulse(std::uintptr_t id) {
    for (int index = 1; index <= m_highestIndex; ++index) {
        const Entry& entry = m_entries[static_cast<std::size_t>(index - 1)];
        if (entry.target != nullptr && entry.id == id) {
            entry.target->PulseTimer();
            return;
        }
    }
}

}  // namespace snapwright
