// Editor benchmark: with a 3840 x 2160 picture open and the ellipse tool at 10 pixels after its
// first corner, the time the program takes to handle a mouse move over the view, from the message
// sent to the view to the end of the painting it causes; the time of a frame burnt into that
// picture; and the private bytes of the process after 100 frames, all kept for undo.
//
//   editor_bench [moves]        prints one line per measurement
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "apps/OfficeSender.h"
#include "bench/BenchTiming.h"
#include "editor/Editor.h"
#include "editor/win32/EditorWindow.h"
#include "editor/win32/GdiPictureTools.h"
#include "platform/win32/ComAutomation.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "platform/win32/Win32UserMessages.h"
#include "save/win32/FileDialogs.h"

namespace {

using namespace snapwright;
using namespace snapwright::bench;

unsigned long long PrivateKib() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters));
    // Wine reports no private bytes; there the page file usage tells the same story.
    return (counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1024;
}

void PumpMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// A screenshot-like picture: bands of colour with fine detail, so that nothing compresses away.
RgbImage TestPicture(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, static_cast<Colour>((x / 64 * 0x203040 + y / 48 * 0x104020 + (x ^ y) % 7) & 0xFFFFFF));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(20, std::atoi(argv[1])) : 300;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);

    win32::GdiPictureTools pictures;
    CurrentShot currentShot;
    currentShot.Set(pictures.PictureOf(TestPicture(3840, 2160)));
    Settings settings;
    win32::Win32TopLevelWindows windows;
    win32::Win32UserMessages messages;
    win32::Win32Shell shell;
    win32::Win32FileSystem files;
    HelpFile help(shell, files, messages);
    win32::Win32Clipboard clipboard;
    win32::ComAutomation automation;
    OfficeSender sender({clipboard, automation, windows, messages, [](const std::string&) { return false; }, [](int) {},
                         0, [] { return 0; }});
    win32::EditorWindow window(instance, nullptr);
    win32::Win32FileDialogs dialogs([&window] { return window.Window(); });
    Editor editor({window.Form(), window, pictures, windows, settings, currentShot, messages, dialogs, help, sender,
                   [](const std::string&) { return LoadedPicture{}; }, [](PicturePtr) { return false; },
                   [](PicturePtr) { return PageOutcome::Printed; }, [](PicturePtr) { return false; }});
    window.SetPresenter(&editor);
    editor.Show();
    PumpMessages();
    HWND view = ::FindWindowExW(window.Window(), nullptr, L"SnapwrightEditorView", nullptr);
    if (!view) {
        std::fprintf(stderr, "the editor's view did not open\n");
        return 1;
    }
    RECT viewArea{};
    ::GetClientRect(view, &viewArea);
    const auto button = [&editor](const std::string& name) {
        const auto& toolbar = editor.Toolbar();
        for (std::size_t i = 0; i < toolbar.size(); ++i) {
            if (toolbar[i].Name(0) == name) editor.OnClick(ToolbarControl(i));
        }
    };
    const auto click = [view](int x, int y) {
        ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        ::UpdateWindow(view);
    };

    // The ellipse at 10 pixels follows the mouse from its first corner across the view.
    window.Form().SetListIndex(Id(EditorControl::StrengthList), 9);
    editor.OnClick(Id(EditorControl::StrengthList));
    button("Ellipse");
    click(40, 40);
    std::vector<double> times;
    const int spanX = std::max(1, static_cast<int>(viewArea.right) - 140);
    const int spanY = std::max(1, static_cast<int>(viewArea.bottom) - 140);
    for (int i = 0; i < moves; ++i) {
        const int x = 100 + (i * 13) % spanX;
        const int y = 100 + (i * 7) % spanY;
        const Clock::time_point start = Clock::now();
        ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        ::UpdateWindow(view);
        ::GdiFlush();
        times.push_back(Ms(start, Clock::now()));
        PumpMessages();
    }
    editor.OnKey({kKeyEscape});
    std::printf("screen %dx%d, view %ldx%ld, picture 3840x2160, ellipse at 10 px, %d moves: a mouse move through "
                "its painting, median %.2f ms, 95th percentile %.2f ms\n",
                ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), viewArea.right, viewArea.bottom,
                moves, Percentile(times, 0.5), Percentile(times, 0.95));

    // A hundred frames of 10 pixels at places across the view, each kept for undo.
    const unsigned long long before = PrivateKib();
    std::vector<double> edits;
    for (int i = 0; i < 100; ++i) {
        const int x = 20 + (i * 37) % std::max(1, spanX / 2);
        const int y = 20 + (i * 23) % std::max(1, spanY / 2);
        button("Frame");
        click(x, y);
        const Clock::time_point start = Clock::now();
        click(x + spanX / 2, y + spanY / 2);
        edits.push_back(Ms(start, Clock::now()));
        PumpMessages();
    }
    std::printf("100 frames of 10 px on the 3840x2160 picture: %zu undo steps; a frame, median %.1f ms; private bytes "
                "%llu KiB -> %llu KiB\n",
                editor.Core().UndoCount(), Percentile(edits, 0.5), before, PrivateKib());
    window.Form().Unload();
    return 0;
}
