#include "platform/win32/Win32Screen.h"

#include <dwmapi.h>

namespace snapwright::win32 {

namespace {

Rect RectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(handle, &info)) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
    const Monitor monitor{RectOf(info.rcMonitor), RectOf(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0};
    // The primary first: it is the monitor a single-monitor program knows as "the screen".
    monitors.insert(monitor.primary ? monitors.begin() : monitors.end(), monitor);
    return TRUE;
}

BOOL CALLBACK AddTopLevelWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<TopLevelWindow>*>(list)->push_back(TopLevelWindowOf(window));
    return TRUE;
}

}  // namespace

std::vector<Monitor> Win32Screen::Monitors() const {
    std::vector<Monitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        // The system always knows its primary screen, even where it lists no monitors.
        RECT work{};
        const Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        const bool hasWorkArea = ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        monitors.push_back({screen, hasWorkArea ? RectOf(work) : screen, true});
    }
    return monitors;
}

// Where the pointer cannot be read (a secure desktop in front), it counts as on the primary monitor.
Point Win32Screen::PointerPosition() const {
    POINT point{};
    if (!::GetCursorPos(&point)) return {};
    return {point.x, point.y};
}

WindowRef Win32WindowService::ForegroundWindow() const {
    return reinterpret_cast<WindowRef>(::GetForegroundWindow());
}

std::optional<WindowEdges> Win32WindowService::WindowRectangle(WindowRef window) const {
    RECT rect{};
    if (!window || !::GetWindowRect(reinterpret_cast<HWND>(window), &rect)) return std::nullopt;
    return WindowEdges{rect.left, rect.top, rect.right, rect.bottom};
}

// Desktop composition knows the frame without the invisible resize borders; without composition
// (Windows 7's basic themes, Wine) the call fails and the outer rectangle serves.
std::optional<WindowEdges> Win32WindowService::ComposedFrame(WindowRef window) const {
    RECT rect{};
    if (!window || FAILED(::DwmGetWindowAttribute(reinterpret_cast<HWND>(window), DWMWA_EXTENDED_FRAME_BOUNDS, &rect,
                                                  sizeof(rect)))) {
        return std::nullopt;
    }
    return WindowEdges{rect.left, rect.top, rect.right, rect.bottom};
}

bool Win32WindowService::IsMaximised(WindowRef window) const {
    return window && ::IsZoomed(reinterpret_cast<HWND>(window));
}

void Win32WindowService::SetForegroundWindow(WindowRef window) {
    ::SetForegroundWindow(reinterpret_cast<HWND>(window));
}

std::vector<TopLevelWindow> Win32WindowService::TopLevelWindowsTopFirst() const {
    std::vector<TopLevelWindow> windows;
    ::EnumWindows(&AddTopLevelWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

TopLevelWindow TopLevelWindowOf(HWND window) {
    BOOL cloaked = FALSE;
    return {reinterpret_cast<WindowRef>(window), ::IsWindowVisible(window) != FALSE, ::IsIconic(window) != FALSE,
            (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0,
            SUCCEEDED(::DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) && cloaked};
}

Rect PointerWorkArea() {
    const Win32Screen screen;
    const std::vector<Monitor> monitors = screen.Monitors();
    const Monitor* monitor = MonitorAt(monitors, screen.PointerPosition());
    return monitor ? monitor->workArea : Rect{};
}

// Moving the window onto a monitor of another scale changes its size (WM_DPICHANGED); the second
// pass centres it again at the size it has there.
void CentreOnPointerMonitor(HWND window) {
    const Rect area = PointerWorkArea();
    if (area.width <= 0 || area.height <= 0) return;
    for (int pass = 0; pass < 2; ++pass) {
        RECT rect{};
        if (!::GetWindowRect(window, &rect)) return;
        const Rect place = CentredIn({rect.right - rect.left, rect.bottom - rect.top}, area);
        if (place.left == rect.left && place.top == rect.top) return;
        ::SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace snapwright::win32
