#pragma once
#include <windows.h>

#include "ui/TimerTable.h"

namespace snapwright::win32::ProgramTimers {

// The program's table of running timers (system timers without a window).
TimerTable& Table();
// The timer procedure of every IntervalTimer.
void CALLBACK TimerProc(HWND hwnd, UINT message, UINT_PTR idEvent, DWORD time);

}  // namespace snapwright::win32::ProgramTimers
