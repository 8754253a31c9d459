#include "platform/win32/Win32SubclassWindows.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

HWND ToHwnd(WindowRef hwnd) {
    return reinterpret_cast<HWND>(hwnd);
}

BOOL CALLBACK CollectPropName(HWND, LPWSTR name, HANDLE, ULONG_PTR names) {
    // Properties set by atom rather than by name have no text to read.
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::string>*>(names)->push_back(ToUtf8(name));
    return TRUE;
}

}  // namespace

bool Win32SubclassWindows::IsWindow(WindowRef hwnd) const {
    return ::IsWindow(ToHwnd(hwnd)) != FALSE;
}

bool Win32SubclassWindows::BelongsToThisProcess(WindowRef hwnd) const {
    DWORD process = 0;
    ::GetWindowThreadProcessId(ToHwnd(hwnd), &process);
    return process == ::GetCurrentProcessId();
}

// The names are plain ASCII, so the wide functions see exactly the names the scheme defines.
std::intptr_t Win32SubclassWindows::ReadProp(WindowRef hwnd, const std::string& name) const {
    return reinterpret_cast<std::intptr_t>(::GetPropW(ToHwnd(hwnd), ToWide(name).c_str()));
}

bool Win32SubclassWindows::WriteProp(WindowRef hwnd, const std::string& name, std::intptr_t value) {
    const std::wstring wideName = ToWide(name);
    if (value == 0) {
        ::RemovePropW(ToHwnd(hwnd), wideName.c_str());
        return true;
    }
    return ::SetPropW(ToHwnd(hwnd), wideName.c_str(), reinterpret_cast<HANDLE>(value)) != FALSE;
}

std::vector<std::string> Win32SubclassWindows::PropNames(WindowRef hwnd) const {
    std::vector<std::string> names;
    ::EnumPropsExW(ToHwnd(hwnd), &CollectPropName, reinterpret_cast<LPARAM>(&names));
    return names;
}

std::intptr_t Win32SubclassWindows::ReplaceWindowProc(WindowRef hwnd, std::intptr_t procedure) {
    // A previous value of 0 is a failure only when the system says so.
    ::SetLastError(ERROR_SUCCESS);
    const LONG_PTR previous = ::SetWindowLongPtrW(ToHwnd(hwnd), GWLP_WNDPROC, procedure);
    if (previous == 0 && ::GetLastError() != ERROR_SUCCESS) return 0;
    return previous;
}

std::intptr_t Win32SubclassWindows::CallProcedure(std::intptr_t procedure, WindowRef hwnd, std::uint32_t message,
                                                   std::uintptr_t wParam, std::intptr_t lParam) {
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), ToHwnd(hwnd), message, wParam, lParam);
}

}  // namespace snapwright::win32
