#include "ui/win32/CTimer.h"

#include "ui/win32/MTimer.h"

namespace snapwright::win32 {

CTimer::~CTimer() {
    // Stopping never raises.
    Interval(0);
}

void CTimer::Interval(std::int32_t value) {
    MTimer::Table().SetInterval(*this, m_state, value);
}

void CTimer::PulseTimer() {
    // A copy, so that a handler may stop the timer or give it a new handler while it runs.
    const std::function<void()> handler = ThatTime;
    if (handler) handler();
}

}  // namespace snapwright::win32
