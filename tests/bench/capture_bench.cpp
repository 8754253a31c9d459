// Capture benchmark: the time from WM_HOTKEY to the clipboard holding the screenshot, next to a
// bare program that only copies the screen with BitBlt and puts the bitmap on the clipboard, and
// the GDI objects and private bytes of the process around 200 hotkey captures.
//
//   capture_bench [rounds]        prints one line per measurement
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/Hotkeys.h"
#include "capture/win32/MainWindow.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32HotkeyService.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32UserMessages.h"
#include "WiredDestinations.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The reference: what any screenshot program must do at least.
void BareCapture(HWND owner) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    ::OpenClipboard(owner);
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, bitmap);
    ::CloseClipboard();
}

struct Memory {
    SIZE_T privateBytes;
    SIZE_T workingSet;
};

unsigned long long Kib(SIZE_T bytes) {
    return static_cast<unsigned long long>(bytes) / 1024;
}

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters));
    // Wine reports no private bytes; there the working set tells the same story for bitmaps.
    return {counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage, counters.WorkingSetSize};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace snapwright;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;

    win32::MainWindow window(::GetModuleHandleW(nullptr));
    win32::Win32Screen screen;
    win32::Win32WindowService windows;
    win32::GdiScreenCapture capture;
    win32::Win32Clipboard clipboard;
    win32::Win32UserMessages messages;
    CaptureSlots slots;
    CaptureEngine engine(screen, windows, capture, clipboard, slots);
    WiredDestinations destinations;
    Settings settings;
    Hotkeys* target = nullptr;
    win32::Win32HotkeyService service(window.Handle(), [&target](UINT message, WPARAM wParam) {
        if (target) target->HotkeyWindowProc(message, wParam);
    });
    Hotkeys hotkeys(service, messages, engine, slots, settings, destinations);
    target = &hotkeys;
    if (!hotkeys.RegisterHotkeys()) return 1;
    const ATOM saveHotkey = ::GlobalFindAtomW(L"Snapwright\u21223");

    std::vector<double> program, bare;
    for (int i = 0; i < rounds; ++i) {
        auto start = Clock::now();
        ::SendMessageW(window.Handle(), WM_HOTKEY, saveHotkey, 0);
        program.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        start = Clock::now();
        BareCapture(window.Handle());
        bare.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("screen %dx%d, %d rounds: WM_HOTKEY to clipboard median %.2f ms; bare BitBlt + clipboard median %.2f ms\n",
                ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), rounds, Median(program),
                Median(bare));

    // Warm up, then 200 captures with one shot per page: the counts must not grow.
    for (int i = 0; i < 5; ++i) ::SendMessageW(window.Handle(), WM_HOTKEY, saveHotkey, 0);
    const DWORD gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory before = MemoryNow();
    for (int i = 0; i < 200; ++i) ::SendMessageW(window.Handle(), WM_HOTKEY, saveHotkey, 0);
    const DWORD gdiAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory after = MemoryNow();
    std::printf("200 captures: GDI objects %lu -> %lu (0 where the system does not count them); private bytes "
                "%llu KiB -> %llu KiB; working set %llu KiB -> %llu KiB\n",
                gdiBefore, gdiAfter, Kib(before.privateBytes), Kib(after.privateBytes), Kib(before.workingSet),
                Kib(after.workingSet));
    hotkeys.UnregisterHotkeys();
    return 0;
}
