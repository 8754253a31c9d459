#include "platform/win32/Dpi.h"

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

// The calls of newer systems, looked up by name so that the program still starts on Windows 7.
template <typename Function>
Function User32Function(const char* name) {
    // Through the generic function type, which the compiler accepts as any function's.
    const auto generic = reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name));
    return reinterpret_cast<Function>(generic);
}

int SystemDpi() {
    const WindowDc screen(nullptr, false);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    return Rescaled(::GetSystemMetrics(index), dpi, SystemDpi());
}

void ScaleDialogByItself(HWND dialog) {
    using SetDialogDpiChangeBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);
    static const auto setBehaviour = User32Function<SetDialogDpiChangeBehaviorFunction>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 0x0001;  // DDC_DISABLE_ALL
    if (setBehaviour) setBehaviour(dialog, kDisableAll, kDisableAll);
}

}  // namespace snapwright::win32
