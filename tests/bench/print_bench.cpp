// Printing benchmark: the time from WM_HOTKEY of Print Screen to the page handed to the spooler
// (EndDoc returned), with the default settings (format 1, header and vendor line), split into the
// capture with its clipboard copy, the page composition and the hand-off to the spooler. Between
// rounds it waits for the PDF printer's file, so that the conversion of one page does not run
// beside the measurement of the next.
//
//   print_bench [rounds]        prints one line per measurement
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../win/PrintingTools.h"
#include "capture/CaptureEngine.h"
#include "capture/Hotkeys.h"
#include "capture/ShotDestinations.h"
#include "capture/win32/MainWindow.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPrinter.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32HotkeyService.h"
#include "platform/win32/Win32PrintDialogService.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32SystemNames.h"
#include "platform/win32/Win32UserMessages.h"
#include "print/Hardcopy.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The real printer, noting when the page's first output starts and when the spooler has it.
class TimedPrinter : public snapwright::win32::GdiPrinter {
public:
    Clock::time_point firstOutput{};
    Clock::time_point composed{};
    Clock::time_point spooled{};

    void Reset() { firstOutput = composed = spooled = {}; }

protected:
    double LineHeight() override {
        if (firstOutput == Clock::time_point{}) firstOutput = Clock::now();
        return GdiPrinter::LineHeight();
    }
    void FinishDocument() override {
        composed = Clock::now();
        GdiPrinter::FinishDocument();
        spooled = Clock::now();
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace snapwright;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::wstring pdfFolder = snapwright::testing::PdfFolder();

    win32::MainWindow window(::GetModuleHandleW(nullptr));
    win32::Win32Screen screen;
    win32::Win32WindowService windows;
    win32::GdiScreenCapture capture;
    win32::Win32Clipboard clipboard;
    win32::Win32UserMessages messages;
    CurrentShot currentShot;
    CaptureEngine engine(screen, windows, capture, clipboard, currentShot);
    Settings settings;
    TimedPrinter printer;
    win32::Win32PrintDialogService printDialogs;
    win32::Win32Clock clock;
    win32::Win32SystemNames names;
    Hardcopy hardcopy(settings, printer, printDialogs, clock, names, messages);
    ShotDestinations destinations(settings, {.printHardcopy = [&hardcopy](PicturePtr shot) {
                                      return hardcopy.PrintHardcopy(std::move(shot));
                                  }});
    Hotkeys* target = nullptr;
    win32::Win32HotkeyService service(window.Handle(), [&target](UINT message, WPARAM wParam) {
        if (target) target->HotkeyWindowProc(message, wParam);
    });
    win32::RegistrySettingsStore store;
    Hotkeys hotkeys(service, messages, engine, currentShot, destinations, store, settings);
    target = &hotkeys;
    if (!hotkeys.RegisterHotkeys()) return 1;
    const ATOM printHotkey = ::GlobalFindAtomW(L"Snapwright\u21221");
    if (printer.DeviceName().empty()) {
        std::printf("no printer\n");
        return 1;
    }

    std::vector<double> total, captured, composed, spooled, pdf;
    for (int i = 0; i < rounds; ++i) {
        const auto before = pdfFolder.empty() ? std::set<std::wstring>{} : snapwright::testing::PdfFiles(pdfFolder);
        printer.Reset();
        const auto start = Clock::now();
        ::SendMessageW(window.Handle(), WM_HOTKEY, printHotkey, 0);
        const auto end = Clock::now();
        if (printer.spooled == Clock::time_point{}) {
            std::printf("round %d printed nothing\n", i + 1);
            return 1;
        }
        total.push_back(Ms(start, printer.spooled));
        captured.push_back(Ms(start, printer.firstOutput));
        composed.push_back(Ms(printer.firstOutput, printer.composed));
        spooled.push_back(Ms(printer.composed, printer.spooled));
        (void)end;
        if (!pdfFolder.empty()) {
            if (snapwright::testing::WaitForNewPdf(pdfFolder, before).empty()) {
                std::printf("round %d: no PDF file appeared\n", i + 1);
                return 1;
            }
            pdf.push_back(Ms(start, Clock::now()));
        }
    }
    std::printf("screen %dx%d, %d shot(s) a page, %d rounds on %s (medians):\n", ::GetSystemMetrics(SM_CXSCREEN),
                ::GetSystemMetrics(SM_CYSCREEN), ShotsPerPage(settings.Printformat), rounds, printer.DeviceName().c_str());
    std::printf("  WM_HOTKEY to the job handed to the spooler  %8.1f ms\n", Median(total));
    std::printf("    capture and clipboard copy                %8.1f ms\n", Median(captured));
    std::printf("    page composition (text and picture)       %8.1f ms\n", Median(composed));
    std::printf("    EndDoc (page to the spooler)              %8.1f ms\n", Median(spooled));
    if (!pdf.empty()) {
        std::printf("  WM_HOTKEY to the PDF file written by CUPS   %8.1f ms (not the program's time)\n", Median(pdf));
    }
    hotkeys.UnregisterHotkeys();
    return 0;
}
