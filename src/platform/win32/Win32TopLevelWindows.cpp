#include "platform/win32/Win32TopLevelWindows.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {
HWND Handle(WindowRef window) {
    return reinterpret_cast<HWND>(window);
}
WindowRef Ref(HWND window) {
    return reinterpret_cast<WindowRef>(window);
}
}  // namespace

WindowRef Win32TopLevelWindows::FirstAtLevel(WindowRef window) const {
    return Ref(::GetWindow(Handle(window), GW_HWNDFIRST));
}

WindowRef Win32TopLevelWindows::Next(WindowRef window) const {
    return Ref(::GetWindow(Handle(window), GW_HWNDNEXT));
}

std::uint32_t Win32TopLevelWindows::Style(WindowRef window) const {
    return static_cast<std::uint32_t>(::GetWindowLongW(Handle(window), GWL_STYLE));
}

std::string Win32TopLevelWindows::Caption(WindowRef window) const {
    return WindowText(Handle(window));
}

std::uint32_t Win32TopLevelWindows::ExtendedStyle(WindowRef window) const {
    return static_cast<std::uint32_t>(::GetWindowLongW(Handle(window), GWL_EXSTYLE));
}

void Win32TopLevelWindows::SetExtendedStyle(WindowRef window, std::uint32_t style) {
    ::SetWindowLongW(Handle(window), GWL_EXSTYLE, static_cast<LONG>(style));
}

void Win32TopLevelWindows::SetShown(WindowRef window, bool shown) {
    ::ShowWindow(Handle(window), shown ? SW_SHOWNORMAL : SW_HIDE);
}

void Win32TopLevelWindows::LockDesktopUpdates(bool locked) {
    ::LockWindowUpdate(locked ? ::GetDesktopWindow() : nullptr);
}

}  // namespace snapwright::win32
