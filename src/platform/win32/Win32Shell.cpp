#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/Diagnostics.h"
#include "platform/win32/ScopedCoInitialize.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

void Win32Shell::Open(const std::string& target, ShowAs show) {
    // The shell may hand the target to a shell extension, which needs COM on this thread.
    ScopedCoInitialize com;
    const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr,
                                             show == ShowAs::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    // Nothing associated with the target is not the user's concern here; the debugger hears of it.
    if (reinterpret_cast<INT_PTR>(result) <= 32) {
        DebugOutput("The shell could not open " + target + " (code " +
                    std::to_string(reinterpret_cast<INT_PTR>(result)) + ").");
    }
}

}  // namespace snapwright::win32
