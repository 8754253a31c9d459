// Editor benchmark: with a 3840 x 2160 picture open and the ellipse tool at 10 pixels after its
// first corner, the time the program takes to handle a mouse move over the view, from the message
// sent to the view to the end of the painting it causes; the time of a frame drawn on that
// picture; and the private bytes of the process after 100 frames, all kept for undo. Then, on a
// new picture with 200 marks of every kind, the same measure of a mouse move while a mark is
// dragged, and the time the picture takes to be handed on with its marks.
//
//   editor_bench [moves]        prints one line per measurement
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "apps/OfficeSender.h"
#include "bench/BenchMarks.h"
#include "bench/BenchTiming.h"
#include "editor/Editor.h"
#include "editor/win32/EditorWindow.h"
#include "editor/win32/GdiPictureTools.h"
#include "editor/win32/GdiTextRasteriser.h"
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
    win32::GdiTextRasteriser glyphs;
    Editor editor({window.Form(), window, pictures, glyphs, windows, settings, currentShot, messages, dialogs, help, sender,
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

    // A new picture with 200 marks of every kind, and no tool: the topmost mark of each kind that
    // a press in the view takes is dragged towards the view's middle and back, a few pixels a
    // move, as a hand drags it; then the picture is handed on (flattened into a new bitmap) after a nudge.
    EditorCore& core = editor.Core();
    core.LeaveTool();
    core.ReplacePicture(pictures.PictureOf(TestPicture(3840, 2160)));
    const unsigned long long bareKib = PrivateKib();
    Places places;
    for (int i = 0; i < 200; ++i) core.AddMark(MakeMark(i, places, glyphs));
    core.ClearUndo();
    PumpMessages();
    ::UpdateWindow(view);
    const unsigned long long markedKib = PrivateKib();
    const auto shuttle = [](int travelled, int span) {
        const int at = travelled % (2 * span);
        return at < span ? at : 2 * span - at;
    };
    std::vector<double> drags;
    std::vector<double> paints;  // of each move, the part the painting takes
    std::string kinds;
    for (int kind = 0; kind < kMarkKinds; ++kind) {
        const Scene& marks = core.Marked().Marks();
        std::optional<std::size_t> chosen;
        Point grip;
        for (std::size_t index = marks.Count(); index-- > 0 && !chosen;) {
            if (static_cast<int>(index % kMarkKinds) != kind) continue;
            const std::optional<Point> at = Grip(marks.At(index));
            if (!at) continue;
            const Point shown = core.ToView(*at);
            if (shown.x < 0 || shown.y < 0 || shown.x >= viewArea.right || shown.y >= viewArea.bottom ||
                marks.MarkAt(*at) != index) {
                continue;
            }
            chosen = index;
            grip = shown;
        }
        if (!chosen) continue;
        const Rect bounds = marks.At(*chosen).Bounds();
        ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
        ::UpdateWindow(view);
        PumpMessages();
        std::vector<double> times;
        Point to = grip;
        const Point toMiddle{grip.x < viewArea.right / 2 ? 1 : -1, grip.y < viewArea.bottom / 2 ? 1 : -1};
        for (int i = 1; i <= moves; ++i) {
            to = {grip.x + toMiddle.x * shuttle(i * 5, 300), grip.y + toMiddle.y * shuttle(i * 3, 200)};
            const Clock::time_point start = Clock::now();
            ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
            const Clock::time_point handled = Clock::now();
            ::UpdateWindow(view);
            ::GdiFlush();
            const Clock::time_point painted = Clock::now();
            times.push_back(Ms(start, painted));
            paints.push_back(Ms(handled, painted));
            PumpMessages();
        }
        ::SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        ::UpdateWindow(view);
        PumpMessages();
        drags.insert(drags.end(), times.begin(), times.end());
        char line[160];
        std::snprintf(line, sizeof(line), "  dragging a %s of %dx%d: median %.2f ms, 95th percentile %.2f ms\n",
                      kMarkKindNames[kind], bounds.width, bounds.height, Percentile(times, 0.5),
                      Percentile(times, 0.95));
        kinds += line;
    }
    std::printf("picture 3840x2160 with 200 marks of every kind, no tool, %d moves of each kind's mark: a mouse move "
                "while a mark is dragged, through its painting, median %.2f ms, 95th percentile %.2f ms (the painting: "
                "median %.2f ms, 95th percentile %.2f ms)\n%s",
                moves, Percentile(drags, 0.5), Percentile(drags, 0.95), Percentile(paints, 0.5),
                Percentile(paints, 0.95), kinds.c_str());
    std::vector<double> handOffs;
    for (int i = 0; i < 5; ++i) {
        editor.OnKey({kKeyRight});
        PumpMessages();
        const Clock::time_point start = Clock::now();
        const PicturePtr handed = core.Picture();
        handOffs.push_back(Ms(start, Clock::now()));
        if (!handed) return 1;
    }
    std::printf("the picture handed on with 200 marks (flattened into a new bitmap): median %.1f ms, slowest %.1f ms; "
                "private bytes %llu KiB without marks, %llu KiB with them\n",
                Percentile(handOffs, 0.5), Percentile(handOffs, 1.0), bareKib, markedKib);
    window.Form().Unload();
    return 0;
}
