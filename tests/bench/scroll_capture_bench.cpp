// Scrolling capture benchmark: the whole capture of a window ten screens long that fills the
// screen, as the program does it (to the top, step by step down with settling and stitching, back
// to where it was) and the picture onto the clipboard, with the time the window itself spent
// painting, the steps, and the memory the capture took beside the picture it made. The window is
// the end-to-end tests' scrollwindow.exe, started by the benchmark. It measures; it does not pass
// or fail.
//
//   scroll_capture_bench SCROLLWINDOW [ROUNDS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture/ScrollCapture.h"
#include "capture/win32/MappedTallPicture.h"
#include "capture/win32/ScrollNoteWindow.h"
#include "capture/win32/Win32ScrolledWindow.h"
#include "platform/Diagnostics.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32UserMessages.h"
#include "save/PictureLimits.h"

namespace {

using namespace snapwright;
using Clock = std::chrono::steady_clock;

constexpr int kScreens = 10;
constexpr int kLineHeight = 16;
constexpr int kHeader = 48;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Memory {
    double workingSet;
    double peak;
};

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return {counters.WorkingSetSize / 1048576.0, counters.PeakWorkingSetSize / 1048576.0};
}

// The test window, its output read through a pipe.
class TestWindow {
public:
    TestWindow(const std::string& program, int width, int lines, int view) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE read = nullptr;
        HANDLE write = nullptr;
        ::CreatePipe(&read, &write, &inherit, 0);
        ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        m_output.reset(read);
        std::string command = "\"" + program + "\" --at 0,0 --width " + std::to_string(width) + " --lines " +
                              std::to_string(lines) + " --view " + std::to_string(view);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = write;
        PROCESS_INFORMATION process{};
        if (::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &process)) {
            m_process.reset(process.hProcess);
            ::CloseHandle(process.hThread);
        }
        ::CloseHandle(write);
        ready = ReadLine().find("ready") != std::string::npos;
        window = ::FindWindowW(L"ScrollTestFrame", nullptr);
    }

    // Closes the window and gives what it said about its painting.
    std::string Close() {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        const std::string line = ReadLine();
        ::WaitForSingleObject(m_process.get(), 10000);
        return line;
    }

    bool ready = false;
    HWND window = nullptr;

private:
    std::string ReadLine() {
        std::string line;
        char c = 0;
        DWORD read = 0;
        while (::ReadFile(m_output.get(), &c, 1, &read, nullptr) && read == 1 && c != '\n') line += c;
        return line;
    }

    win32::UniqueKernelHandle m_process;
    win32::UniqueKernelHandle m_output;
};

// The window as the capture scrolls it, with the time its grabs of the screen take counted.
class CountedWindow : public IScrolledWindow {
public:
    CountedWindow(std::unique_ptr<IScrolledWindow> window, int& grabs, double& grabbing)
        : m_window(std::move(window)), m_grabs(grabs), m_grabbing(grabbing) {}
    Rect Area() const override { return m_window->Area(); }
    int ViewHeight() const override { return m_window->ViewHeight(); }
    PixelRows Grab() override {
        const auto start = Clock::now();
        const PixelRows rows = m_window->Grab();
        m_grabbing += ::Milliseconds(Clock::now() - start);
        ++m_grabs;
        return rows;
    }
    std::optional<ScrollBarState> ScrollBar() const override { return m_window->ScrollBar(); }
    bool Scroll(ScrollMethod method, int amount) override { return m_window->Scroll(method, amount); }
    bool ScrollToTop(ScrollMethod method) override { return m_window->ScrollToTop(method); }
    bool ScrollBarTo(int position) override { return m_window->ScrollBarTo(position); }
    bool ComeToFront() override { return m_window->ComeToFront(); }
    bool StillThere() const override { return m_window->StillThere(); }
    bool StopAsked() override { return m_window->StopAsked(); }
    void Wait(int milliseconds) override { m_window->Wait(milliseconds); }
    std::int64_t Milliseconds() const override { return m_window->Milliseconds(); }

private:
    std::unique_ptr<IScrolledWindow> m_window;
    int& m_grabs;
    double& m_grabbing;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scroll_capture_bench SCROLLWINDOW [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    // As tall as the screen lets it be with its caption and frame, the document ten views long.
    const int frame = ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME);
    const int view = (screenHeight - frame - kHeader) / kLineHeight;
    TestWindow test(argv[1], screenWidth - 2 * ::GetSystemMetrics(SM_CXFIXEDFRAME), kScreens * view, view);
    if (!test.ready || !test.window) {
        std::fprintf(stderr, "the test window did not start\n");
        return 1;
    }

    // The capture tells its steps, and when it is done before the picture goes onto the clipboard.
    int steps = 0;
    Clock::time_point done;
    Memory atDone{};
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    SetDebugOutputSink([&](const std::string& text) {
        if (verbose) std::fprintf(stderr, "%s\n", text.c_str());
        if (text.find("Scrolling capture: wheel") != std::string::npos ||
            text.find("Scrolling capture: scroll bar") != std::string::npos) {
            ++steps;
        }
        if (text.find("Scrolling capture: done") != std::string::npos) {
            done = Clock::now();
            atDone = MemoryNow();
        }
    });

    win32::Win32Screen screen;
    win32::ScrollNoteWindow note(::GetModuleHandleW(nullptr));
    win32::Win32Clipboard clipboard;
    Settings settings;
    win32::Win32WindowService windows;
    win32::GdiScreenCapture screenCapture;
    CurrentShot currentShot;
    CaptureEngine engine(screen, windows, screenCapture, clipboard, currentShot);
    win32::Win32UserMessages messages;
    int grabs = 0;
    double grabbing = 0;
    ScrollCapture capture({engine, currentShot, messages, screen, note,
                           [&](WindowRef window) -> std::unique_ptr<IScrolledWindow> {
                               std::unique_ptr<IScrolledWindow> opened = win32::OpenScrolledWindow(window);
                               if (!opened) return nullptr;
                               return std::make_unique<CountedWindow>(std::move(opened), grabs, grabbing);
                           },
                           &win32::NewTallPicture, settings, kMaxPictureSide});

    std::printf("scrolling capture of a window of %d x %d pixels, %d screens of %d rows:\n", screenWidth,
                screenHeight, kScreens, view * kLineHeight);
    {
        // What one grab of the window costs by itself, time and the memory the system takes for it.
        ::SetForegroundWindow(test.window);
        std::unique_ptr<win32::Win32ScrolledWindow> window = win32::Win32ScrolledWindow::Open(test.window);
        const Memory start = MemoryNow();
        const auto grabStart = Clock::now();
        for (int grab = 0; grab < 10; ++grab) window->Grab();
        std::printf("  a grab of the window: %.0f ms; peak working set it adds %.1f MB\n",
                    Milliseconds(Clock::now() - grabStart) / 10, MemoryNow().peak - start.workingSet);
    }
    std::vector<double> captures;
    std::vector<double> clipboards;
    double pictureMegabytes = 0;
    Memory before{};
    Memory afterCapture{};
    Memory afterClipboard{};
    for (int round = 0; round < rounds; ++round) {
        ::SetForegroundWindow(test.window);
        if (round == 0) before = MemoryNow();
        steps = 0;
        grabs = 0;
        grabbing = 0;
        const auto start = Clock::now();
        ScrollOutcome outcome = capture.Take(reinterpret_cast<WindowRef>(test.window));
        const auto onClipboard = Clock::now();
        if (!outcome.picture) {
            std::fprintf(stderr, "no picture\n");
            return 1;
        }
        if (round == 0) {
            afterCapture = atDone;
            afterClipboard = MemoryNow();
        }
        captures.push_back(Milliseconds(done - start));
        clipboards.push_back(Milliseconds(onClipboard - done));
        pictureMegabytes = outcome.picture->Width() * 3.0 * outcome.picture->Height() / 1048576.0;
        std::printf("  round %d: %d x %d pixels in %d steps, captured in %.0f ms (%d grabs of the screen in %.0f ms),"
                    " on the clipboard %.0f ms later\n",
                    round + 1, outcome.picture->Width(), outcome.picture->Height(), steps, captures.back(), grabs,
                    grabbing, clipboards.back());
    }
    // The clipboard is offered the picture; what a program pasting it then waits for, here.
    const auto pasteStart = Clock::now();
    SIZE_T pasted = 0;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE dib = ::GetClipboardData(CF_DIB)) pasted = ::GlobalSize(dib);
        ::CloseClipboard();
    }
    const double pasting = Milliseconds(Clock::now() - pasteStart);
    const Memory afterPaste = MemoryNow();
    const std::string painted = test.Close();
    std::sort(captures.begin(), captures.end());
    std::sort(clipboards.begin(), clipboards.end());
    std::printf("  median: %.0f ms to capture, %.0f ms onto the clipboard; the window %s over all rounds\n",
                captures[captures.size() / 2], clipboards[clipboards.size() / 2], painted.c_str());
    const double frameMegabytes = screenWidth * 3.0 * screenHeight / 1048576.0;
    std::printf("  a paste of the last picture's DIB (%.1f MB) waited %.0f ms for it\n", pasted / 1048576.0, pasting);
    std::printf("  memory: the picture %.1f MB, a frame %.1f MB; peak working set added by the capture %.1f MB, "
                "on the clipboard %.1f MB, and with the DIB pasted %.1f MB\n",
                pictureMegabytes, frameMegabytes, afterCapture.peak - before.workingSet,
                afterClipboard.peak - before.workingSet, afterPaste.peak - before.workingSet);
    return 0;
}
