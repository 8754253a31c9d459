// Capture benchmark: the time from WM_HOTKEY until another process has read the screenshot from
// the clipboard as CF_DIB, next to a bare program that only copies the screen with BitBlt and puts
// the bitmap on the clipboard as CF_BITMAP; the time a paste of the PNG format waits for its
// encoding; and the GDI objects and private bytes of the process around 200 hotkey captures. Then
// the region key: the time until its overlay is on the screen, next to a bare BitBlt of the screen,
// and the GDI objects and private bytes around 50 regions drawn on it.
//
//   capture_bench [rounds]     prints one line per measurement
//   capture_bench --reader     the reading process, which the benchmark starts by itself
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/Hotkeys.h"
#include "capture/RegionCapture.h"
#include "capture/ShotDestinations.h"
#include "capture/win32/MainWindow.h"
#include "capture/win32/RegionOverlay.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32HotkeyService.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32UserMessages.h"
#include "save/ImageExport.h"
#include "save/win32/Win32FreeImageCodec.h"

namespace {

using Clock = std::chrono::steady_clock;
using snapwright::win32::UniqueKernelHandle;

constexpr const wchar_t* kReadDibEvent = L"Local\\SnapwrightBenchReadDib";
constexpr const wchar_t* kReadPngEvent = L"Local\\SnapwrightBenchReadPng";
constexpr const wchar_t* kQuitEvent = L"Local\\SnapwrightBenchQuit";
constexpr const wchar_t* kDoneEvent = L"Local\\SnapwrightBenchDone";

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A bare copy of the whole virtual screen into a device bitmap.
HBITMAP BareScreenBitmap() {
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, ::GetSystemMetrics(SM_XVIRTUALSCREEN),
             ::GetSystemMetrics(SM_YVIRTUALSCREEN), SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

// The reference: what any screenshot program must do at least, for the whole virtual screen.
void BareCapture(HWND owner) {
    HBITMAP bitmap = BareScreenBitmap();
    ::OpenClipboard(owner);
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, bitmap);
    ::CloseClipboard();
}

// The reference for the region key: only the copy of the screen.
void BareGrab() {
    ::DeleteObject(BareScreenBitmap());
}

// When the overlay's message loop first waits for input, the window has painted: a thread timer
// set before the key press runs then. A pixel read back from the screen makes sure that the
// picture is on it; then a region of 240 x 180 is drawn, as the mouse would.
Clock::time_point g_overlayShown;
void CALLBACK OnOverlayWaiting(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND overlay = ::FindWindowW(snapwright::win32::RegionOverlay::kClassName, nullptr);
    if (!overlay) return;
    HDC screen = ::GetDC(nullptr);
    ::GetPixel(screen, 0, 0);
    ::ReleaseDC(nullptr, screen);
    g_overlayShown = Clock::now();
    ::PostMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 120));
    ::PostMessageW(overlay, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(340, 300));
    ::PostMessageW(overlay, WM_LBUTTONUP, 0, MAKELPARAM(340, 300));
}

// --- the reading process ---

bool OpenClipboardPatiently() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::OpenClipboard(nullptr)) return true;
        ::Sleep(1);
    }
    return false;
}

// What a pasting program does: open the clipboard, get the format, look at it.
bool ReadDib(LONG expectedWidth) {
    if (!OpenClipboardPatiently()) return false;
    bool read = false;
    if (HANDLE data = ::GetClipboardData(CF_DIB)) {
        if (const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(data))) {
            read = header->biWidth == expectedWidth;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return read;
}

bool ReadPng() {
    if (!OpenClipboardPatiently()) return false;
    bool read = false;
    if (HANDLE data = ::GetClipboardData(::RegisterClipboardFormatW(L"PNG"))) {
        if (const auto* bytes = static_cast<const unsigned char*>(::GlobalLock(data))) {
            read = ::GlobalSize(data) > 8 && std::memcmp(bytes + 1, "PNG", 3) == 0;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return read;
}

int RunReader() {
    const UniqueKernelHandle readDib(::OpenEventW(SYNCHRONIZE, FALSE, kReadDibEvent));
    const UniqueKernelHandle readPng(::OpenEventW(SYNCHRONIZE, FALSE, kReadPngEvent));
    const UniqueKernelHandle quit(::OpenEventW(SYNCHRONIZE, FALSE, kQuitEvent));
    const UniqueKernelHandle done(::OpenEventW(EVENT_MODIFY_STATE, FALSE, kDoneEvent));
    if (!readDib || !readPng || !quit || !done) return 2;
    const LONG width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const HANDLE requests[] = {readDib.get(), readPng.get(), quit.get()};
    for (;;) {
        const DWORD request = ::WaitForMultipleObjects(3, requests, FALSE, 120000);
        bool read = false;
        if (request == WAIT_OBJECT_0) {
            read = ReadDib(width);
        } else if (request == WAIT_OBJECT_0 + 1) {
            read = ReadPng();
        } else {
            return 0;
        }
        if (!read) {
            std::fprintf(stderr, "the reader found no screenshot of the virtual screen's width on the clipboard\n");
            return 1;
        }
        ::SetEvent(done.get());
    }
}

// --- the measuring process ---

UniqueKernelHandle NewEvent(const wchar_t* name) {
    return UniqueKernelHandle(::CreateEventW(nullptr, FALSE, FALSE, name));
}

class Reader {
public:
    Reader()
        : m_readDib(NewEvent(kReadDibEvent)),
          m_readPng(NewEvent(kReadPngEvent)),
          m_quit(NewEvent(kQuitEvent)),
          m_done(NewEvent(kDoneEvent)) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(path) + L"\" --reader";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            m_process.reset(process.hProcess);
            UniqueKernelHandle thread(process.hThread);
        }
    }
    ~Reader() {
        if (!m_process) return;
        ::SetEvent(m_quit.get());
        ::WaitForSingleObject(m_process.get(), 10000);
    }
    explicit operator bool() const { return m_process && m_done; }

    // Milliseconds from the start of `put` until the reader has read the format; negative when it
    // could not. Messages are handled meanwhile, as a program's message loop would. The time
    // `put` took by itself is added to `putTimes`.
    double TimeUntilRead(const std::function<void()>& put, bool png, std::vector<double>* putTimes = nullptr) {
        const auto start = Clock::now();
        put();
        if (putTimes) putTimes->push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        ::SetEvent(png ? m_readPng.get() : m_readDib.get());
        const HANDLE waits[] = {m_done.get(), m_process.get()};
        for (;;) {
            const DWORD woken = ::MsgWaitForMultipleObjects(2, waits, FALSE, 30000, QS_ALLINPUT);
            if (woken == WAIT_OBJECT_0) break;
            if (woken != WAIT_OBJECT_0 + 2) return -1.0;
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

private:
    UniqueKernelHandle m_readDib, m_readPng, m_quit, m_done, m_process;
};

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
    // Wine reports no private bytes; there the page file usage tells the same story.
    return {counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage, counters.WorkingSetSize};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace snapwright;
    if (argc > 1 && std::strcmp(argv[1], "--reader") == 0) return RunReader();
    const int rounds = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 30;

    win32::MainWindow window(::GetModuleHandleW(nullptr));
    win32::Win32Screen screen;
    win32::Win32WindowService windows;
    win32::GdiScreenCapture capture;
    win32::Win32FreeImageCodec codec;
    win32::Win32Clipboard clipboard([&codec](const Picture& picture) { return EncodePng(codec, picture, 0); });
    win32::Win32UserMessages messages;
    CurrentShot currentShot;
    CaptureEngine engine(screen, windows, capture, clipboard, currentShot);
    Settings settings;
    ShotDestinations destinations(settings, {});
    Hotkeys* target = nullptr;
    win32::Win32HotkeyService service(window.Handle(), [&target](UINT message, WPARAM wParam) {
        if (target) target->HotkeyWindowProc(message, wParam);
    });
    win32::RegistrySettingsStore store;
    Hotkeys hotkeys(service, messages, engine, currentShot, destinations, store, settings);
    target = &hotkeys;
    if (!hotkeys.RegisterHotkeys()) return 1;
    const ATOM saveHotkey = ::GlobalFindAtomW(L"Snapwright\u21223");
    const auto pressHotkey = [&] { ::SendMessageW(window.Handle(), WM_HOTKEY, saveHotkey, 0); };
    const auto bare = [&] { BareCapture(window.Handle()); };

    Reader reader;
    if (!reader) {
        std::fprintf(stderr, "the reading process could not be started\n");
        return 1;
    }
    // The first rounds warm up both sides (the system's first clipboard use, the reader's start).
    for (int i = 0; i < 3; ++i) {
        if (reader.TimeUntilRead(pressHotkey, false) < 0 || reader.TimeUntilRead(bare, false) < 0) {
            std::fprintf(stderr, "the reader could not read the screenshot\n");
            return 1;
        }
    }
    std::vector<double> programTimes, bareTimes, pngTimes, programPuts, barePuts;
    for (int i = 0; i < rounds; ++i) {
        programTimes.push_back(reader.TimeUntilRead(pressHotkey, false, &programPuts));
        bareTimes.push_back(reader.TimeUntilRead(bare, false, &barePuts));
    }
    for (int i = 0; i < std::max(rounds / 3, 1); ++i) {
        pressHotkey();
        pngTimes.push_back(reader.TimeUntilRead([] {}, true));
    }
    if (std::count_if(programTimes.begin(), programTimes.end(), [](double t) { return t < 0; }) +
            std::count_if(bareTimes.begin(), bareTimes.end(), [](double t) { return t < 0; }) +
            std::count_if(pngTimes.begin(), pngTimes.end(), [](double t) { return t < 0; }) >
        0) {
        std::fprintf(stderr, "the reader could not read the screenshot\n");
        return 1;
    }
    const double program = Median(programTimes);
    const double bareMedian = Median(bareTimes);
    std::printf("virtual screen %dx%d on %d monitor(s), %d rounds: key to CF_DIB read by another process, median: "
                "program %.1f ms, bare "
                "BitBlt + CF_BITMAP %.1f ms, ratio %.2f (of which putting it there: program %.1f ms, bare %.1f ms); a "
                "PNG paste waits %.1f ms for the encoding\n",
                ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN),
                ::GetSystemMetrics(SM_CMONITORS), rounds, program, bareMedian,
                program / bareMedian, Median(programPuts), Median(barePuts), Median(pngTimes));

    // Warm up, then 200 captures with one shot per page: the counts must not grow.
    for (int i = 0; i < 5; ++i) pressHotkey();
    const DWORD gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory before = MemoryNow();
    for (int i = 0; i < 200; ++i) pressHotkey();
    const DWORD gdiAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory after = MemoryNow();
    std::printf("200 captures: GDI objects %lu -> %lu (0 where the system does not count them); private bytes "
                "%llu KiB -> %llu KiB; working set %llu KiB -> %llu KiB\n",
                gdiBefore, gdiAfter, Kib(before.privateBytes), Kib(after.privateBytes), Kib(before.workingSet),
                Kib(after.workingSet));
    hotkeys.UnregisterHotkeys();

    // The region key, with the overlay over the whole virtual screen.
    win32::RegionOverlay overlay(::GetModuleHandleW(nullptr));
    RegionCapture region(screen, windows, engine, currentShot, messages, overlay);
    int regions = 0;
    hotkeys.SetRegionCapture([&] { regions += region.Take() ? 1 : 0; });
    if (!hotkeys.RegisterHotkeys()) return 1;
    const ATOM regionHotkey = ::GlobalFindAtomW(L"Snapwright\u21227");
    const auto pressRegionKey = [&] {
        ::SetTimer(nullptr, 0, 1, &OnOverlayWaiting);
        const auto start = Clock::now();
        ::SendMessageW(window.Handle(), WM_HOTKEY, regionHotkey, 0);
        return std::chrono::duration<double, std::milli>(g_overlayShown - start).count();
    };
    for (int i = 0; i < 3; ++i) pressRegionKey();
    std::vector<double> overlayTimes, grabTimes, ownGrabTimes;
    const auto timed = [](const std::function<void()>& work) {
        const auto start = Clock::now();
        work();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    for (int i = 0; i < rounds; ++i) {
        overlayTimes.push_back(pressRegionKey());
        grabTimes.push_back(timed(BareGrab));
        ownGrabTimes.push_back(timed([&] { engine.GrabScreenPicture(); }));
    }
    const DWORD regionGdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory regionBefore = MemoryNow();
    for (int i = 0; i < 50; ++i) pressRegionKey();
    const DWORD regionGdiAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const Memory regionAfter = MemoryNow();
    const PicturePtr last = currentShot.Get();
    std::printf("region key to overlay on screen, median of %d: %.1f ms; bare BitBlt of the virtual screen %.1f ms; "
                "ratio %.2f (the program's own grab %.1f ms); %d of %d regions taken, the last %dx%d\n",
                rounds, Median(overlayTimes), Median(grabTimes), Median(overlayTimes) / Median(grabTimes),
                Median(ownGrabTimes), regions, 3 + rounds + 50, last ? last->Width() : 0, last ? last->Height() : 0);
    std::printf("50 regions: GDI objects %lu -> %lu; private bytes %llu KiB -> %llu KiB; working set %llu KiB -> "
                "%llu KiB\n",
                regionGdiBefore, regionGdiAfter, Kib(regionBefore.privateBytes), Kib(regionAfter.privateBytes),
                Kib(regionBefore.workingSet), Kib(regionAfter.workingSet));
    hotkeys.UnregisterHotkeys();
    return 0;
}
