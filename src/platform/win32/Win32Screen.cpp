#include "platform/win32/Win32Screen.h"

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

// Twips per pixel from the display's logical resolution: 15 at 96 dpi, 10 at 144 dpi.
double TwipsPerPixel(int capability) {
    WindowDc screen(nullptr, false);
    const int dotsPerInch = screen ? ::GetDeviceCaps(screen.get(), capability) : 0;
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

}  // namespace

int Win32Screen::WidthPixels() const {
    return ::GetSystemMetrics(SM_CXSCREEN);
}

int Win32Screen::HeightPixels() const {
    return ::GetSystemMetrics(SM_CYSCREEN);
}

double Win32Screen::TwipsPerPixelX() const {
    return TwipsPerPixel(LOGPIXELSX);
}

double Win32Screen::TwipsPerPixelY() const {
    return TwipsPerPixel(LOGPIXELSY);
}

WindowRef Win32WindowService::DesktopWindow() const {
    return reinterpret_cast<WindowRef>(::GetDesktopWindow());
}

WindowRef Win32WindowService::ForegroundWindow() const {
    return reinterpret_cast<WindowRef>(::GetForegroundWindow());
}

std::optional<WindowEdges> Win32WindowService::WindowRectangle(WindowRef window) const {
    RECT rect{};
    if (!window || !::GetWindowRect(reinterpret_cast<HWND>(window), &rect)) return std::nullopt;
    return WindowEdges{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32WindowService::SetForegroundWindow(WindowRef window) {
    ::SetForegroundWindow(reinterpret_cast<HWND>(window));
}

}  // namespace snapwright::win32
