#pragma once
#include <windows.h>

#include <functional>
#include <map>

#include "cli/win32/MessageWindow.h"

namespace snapwright::win32 {

// Calls functions after a time, from whatever message loop runs then (the program's, or that of
// a dialog): nothing waits in a loop of its own meanwhile.
class DelayedCalls {
public:
    DelayedCalls();
    DelayedCalls(const DelayedCalls&) = delete;
    DelayedCalls& operator=(const DelayedCalls&) = delete;

    void After(int milliseconds, std::function<void()> call);

private:
    void OnTimer(UINT_PTR id);

    std::map<UINT_PTR, std::function<void()>> m_calls;
    UINT_PTR m_nextId = 1;
    MessageWindow m_window;
};

}  // namespace snapwright::win32
