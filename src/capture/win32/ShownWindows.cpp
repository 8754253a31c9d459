#include "capture/win32/ShownWindows.h"

#include <string_view>

#include "capture/Desktop.h"
#include "platform/win32/Win32Screen.h"

namespace snapwright::win32 {

namespace {

// The shell's windows around the notification area, Windows' and Wine's.
constexpr std::wstring_view kShellClasses[] = {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"NotifyIconOverflowWindow",
                                               L"TopLevelWindowForOverflowXamlIsland", L"Progman", L"WorkerW",
                                               L"__winex11_standalone_tray"};

bool IsShellWindow(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    for (std::wstring_view shell : kShellClasses) {
        if (shell == name) return true;
    }
    return false;
}

bool IsWorkedIn(HWND window) {
    return window && IsShownOnDesktop(window) && !(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
           !IsShellWindow(window);
}

}  // namespace

bool IsShownOnDesktop(HWND window) {
    return IsShown(TopLevelWindowOf(window));
}

HWND WindowUserWorksIn() {
    if (HWND foreground = ::GetForegroundWindow(); IsWorkedIn(foreground)) return foreground;
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (IsWorkedIn(window)) return window;
    }
    return nullptr;
}

}  // namespace snapwright::win32
