#include "ui/win32/ProgramTimers.h"

#include <exception>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/win32/ErrorSource.h"

namespace snapwright::win32::ProgramTimers {

namespace {

class Win32TimerSystem : public ITimerSystem {
public:
    std::uintptr_t StartTimer(std::int32_t milliseconds) override {
        return ::SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &TimerProc);
    }
    void StopTimer(std::uintptr_t id) override { ::KillTimer(nullptr, id); }
};

}  // namespace

TimerTable& Table() {
    static Win32TimerSystem system;
    static TimerTable table(system, ProgramErrorSource());
    return table;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD) {
    // An exception must never cross into the system.
    try {
        Table().Pulse(idEvent);
    } catch (const std::exception& error) {
        DebugOutput(std::string("A timer could not be handled: ") + error.what());
    } catch (...) {
        DebugOutput("A timer could not be handled.");
    }
}

}  // namespace snapwright::win32::ProgramTimers
