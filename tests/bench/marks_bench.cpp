// Marks benchmark, on the host: a 3840 x 2160 picture with 200 marks of every kind (frames,
// ellipses, arrows, highlights, redactions pixelated and solid, texts, numbered steps). Measures
// the picture flattened for a hand-off, one mouse move while a mark is dragged (the move and the
// flattening of the areas it changed, as the view paints them), and the memory the marks hold.
//
//   marks_bench [moves]        prints one line per measurement
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "bench/BenchMarks.h"
#include "bench/BenchTiming.h"
#include "editor/MarkSelection.h"
#include "fakes/FakeTextRasteriser.h"

namespace {

// The bytes allocated and not yet freed, counted by the program's own allocation functions.
std::size_t g_liveBytes = 0;
constexpr std::size_t kHeader = 16;

}  // namespace

void* operator new(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    *block = size;
    g_liveBytes += size;
    return reinterpret_cast<char*>(block) + kHeader;
}
void operator delete(void* memory) noexcept {
    if (!memory) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(memory) - kHeader);
    g_liveBytes -= *block;
    std::free(block);
}
void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}

using namespace snapwright;
using namespace snapwright::bench;

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(20, std::atoi(argv[1])) : 300;
    fakes::FakeTextRasteriser glyphs;
    MarkedPicture picture(TestPicture(3840, 2160));
    MarkSelection selection(picture);

    const std::size_t before = g_liveBytes;
    Places places;
    for (int i = 0; i < 200; ++i) picture.AddMark(MakeMark(i, places, glyphs));
    picture.ClearUndo();
    picture.TakeChangedAreas();
    std::printf("200 marks of every kind: %.2f MB besides the picture\n", static_cast<double>(g_liveBytes - before) / 1e6);

    // A hand-off's picture is new memory, which the system gives page by page when it is first
    // written: its cost, a part of every flattening below, varies much between systems.
    std::vector<double> fresh;
    for (int i = 0; i < 3; ++i) {
        const Clock::time_point start = Clock::now();
        const RgbImage blank(3840, 2160, 0x808080);
        fresh.push_back(Ms(start, Clock::now()));
        if (blank.Empty()) return 1;
    }
    std::printf("new memory for a 3840x2160 picture, first written: median %.1f ms\n", Percentile(fresh, 0.5));

    // The first flattening writes to new memory, which is kept for the next ones.
    std::vector<double> flattenings;
    for (int i = 0; i < 11; ++i) {
        const Clock::time_point start = Clock::now();
        const RgbImage& flat = picture.Flatten();
        flattenings.push_back(Ms(start, Clock::now()));
        if (flat.Empty()) return 1;
    }
    const double first = flattenings.front();
    flattenings.erase(flattenings.begin());
    std::printf("the 3840x2160 picture flattened with 200 marks for a hand-off: first %.1f ms, then median %.1f ms, "
                "slowest %.1f ms\n",
                first, Percentile(flattenings, 0.5), Percentile(flattenings, 1.0));

    // One mark of each kind dragged across the picture, each move repainting what it changed.
    std::vector<double> all;
    for (std::size_t kind = 0; kind < 7; ++kind) {
        const std::size_t index = picture.Marks().Count() - 7 + kind;  // the topmost mark of each kind
        const Mark& mark = picture.Marks().At(index);
        const Rect bounds = mark.Bounds();
        const Point grip = Grip(mark).value_or(Point{bounds.left, bounds.top});
        selection.Select(index);
        selection.OnPress(grip);
        std::vector<double> times;
        std::size_t repainted = 0;
        std::size_t pieces = 0;
        for (int i = 1; i <= moves; ++i) {
            const Point to{grip.x + (i * 7) % 900 - 300, grip.y + (i * 5) % 500 - 200};
            const Clock::time_point start = Clock::now();
            selection.OnDrag(to);
            const std::vector<Rect> areas = picture.TakeChangedAreas();
            pieces += areas.size();
            for (const Rect& area : areas) {
                const RgbImage shown = picture.Flatten(area, selection.LeftOut());
                repainted += static_cast<std::size_t>(shown.Width()) * static_cast<std::size_t>(shown.Height());
            }
            times.push_back(Ms(start, Clock::now()));
        }
        selection.OnRelease({grip.x + 10, grip.y + 10});
        all.insert(all.end(), times.begin(), times.end());
        std::printf("  dragging a %s of %dx%d: median %.2f ms, 95th percentile %.2f ms, %.0f pixels in %.1f areas repainted a move\n",
                    kMarkKindNames[index % kMarkKinds], bounds.width, bounds.height, Percentile(times, 0.5), Percentile(times, 0.95),
                    static_cast<double>(repainted) / moves, static_cast<double>(pieces) / moves);
    }
    std::printf("a mouse move while a mark is dragged, with the flattening of what it changed (%d moves of 7 kinds): "
                "median %.2f ms, 95th percentile %.2f ms\n",
                moves, Percentile(all, 0.5), Percentile(all, 0.95));
    std::printf("undo steps of the 7 drags: %zu, %zu bytes\n", picture.UndoCount(), picture.UndoBytes());
    return 0;
}
