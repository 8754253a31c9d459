#include "ui/win32/IntervalTimer.h"

#include "ui/win32/ProgramTimers.h"

namespace snapwright::win32 {

IntervalTimer::~IntervalTimer() {
    // Stopping never raises.
    Interval(0);
}

void IntervalTimer::Interval(std::int32_t value) {
    ProgramTimers::Table().SetInterval(*this, m_state, value);
}

void IntervalTimer::PulseTimer() {
    // A copy, so that a handler may stop the timer or give it a new handler while it runs.
    const std::function<void()> handler = Elapsed;
    if (handler) handler();
}

}  // namespace snapwright::win32
