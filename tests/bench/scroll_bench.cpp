// scroll_bench: the stitching of a scrolling capture on the host. A window of 1920 x 1080 (a
// toolbar of 120 rows, a status bar of 24, a scroll bar of 17 columns) shows a document ten screens
// long, lines of text with blank stretches and pictures between; it is scrolled by 60 percent of
// the view at a time and every frame is stitched. It measures; it does not pass or fail.
//
//   scroll_bench [ROUNDS]   the time of each step (median and slowest, on the clock and in the
//                           processor: a busy machine stretches the first, not the second), of the
//                           whole stitching, and the memory the stitcher holds beside the frames
//                           and the picture
//
// Run it from the build folder, for example build/host/tests/scroll_bench 5.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "capture/ScrollStitcher.h"

namespace {

using namespace snapwright;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kToolbar = 120;
constexpr int kStatusBar = 24;
constexpr int kScrollBar = 17;
constexpr int kView = kHeight - kToolbar - kStatusBar;
constexpr int kContent = kWidth - kScrollBar;
constexpr int kScreens = 10;

struct Rows {
    int width;
    int height;
    std::vector<std::uint8_t> bytes;
    Rows(int w, int h, std::uint8_t fill) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 3, fill) {}
    std::uint8_t* Row(int y) { return bytes.data() + static_cast<std::size_t>(width) * 3 * y; }
    PixelRows View() const { return {bytes.data(), static_cast<std::ptrdiff_t>(width) * 3, width, height}; }
};

// A page of text: lines of words with blank stretches, and now and then a picture.
Rows Document() {
    Rows page(kContent, kView * kScreens, 0xFF);
    std::mt19937 random(38);
    for (int y = 40; y + 20 < page.height;) {
        if (random() % 23 == 0) {
            const int height = 200 + static_cast<int>(random() % 200);
            for (int row = y; row < std::min(y + height, page.height); ++row) {
                for (int x = 300; x < 1300; ++x) {
                    std::uint8_t* pixel = page.Row(row) + x * 3;
                    pixel[0] = static_cast<std::uint8_t>(x + row);
                    pixel[1] = static_cast<std::uint8_t>(random());
                    pixel[2] = static_cast<std::uint8_t>(row * 3);
                }
            }
            y += height + 30;
            continue;
        }
        if (random() % 11 == 0) {
            y += 150;  // a blank stretch
            continue;
        }
        for (int x = 80; x < kContent - 120;) {
            const int word = 12 + static_cast<int>(random() % 70);
            for (int row = 0; row < 14; ++row) {
                for (int dx = 0; dx < word; ++dx) {
                    if (random() % 3 != 0) std::memset(page.Row(y + row) + (x + dx) * 3, 0x20, 3);
                }
            }
            x += word + 8;
        }
        y += 22;
    }
    return page;
}

void Frame(const Rows& document, int position, Rows& frame) {
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = frame.Row(y);
        if (y < kToolbar || y >= kToolbar + kView) {
            for (int x = 0; x < kWidth; ++x) std::memset(row + x * 3, static_cast<int>(0xD0 + (x / 40 + y) % 16), 3);
            continue;
        }
        const int line = position + y - kToolbar;
        std::memcpy(row, document.bytes.data() + static_cast<std::size_t>(kContent) * 3 * line,
                    static_cast<std::size_t>(kContent) * 3);
        const int thumbTop = kToolbar + (kView - 100) * position / (document.height - kView);
        const std::uint8_t bar = y >= thumbTop && y < thumbTop + 100 ? 0x80 : 0xF0;
        std::memset(row + kContent * 3, bar, kScrollBar * 3);
    }
}

class MemoryTallPicture : public ITallPicture {
public:
    explicit MemoryTallPicture(int capacity) : m_rows(kWidth, capacity, 0) {}
    int Width() const override { return kWidth; }
    int Capacity() const override { return m_rows.height; }
    std::uint8_t* Row(int y) override { return m_rows.Row(y); }
    PicturePtr Finish(int height) override {
        m_height = height;
        return nullptr;
    }
    int m_height = 0;

private:
    Rows m_rows;
};

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The processor time this thread has used, in milliseconds.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const Rows document = Document();
    Rows frame(kWidth, kHeight, 0);
    const long before = PeakKilobytes();
    std::vector<double> steps;
    std::vector<double> processor;
    double whole = 0;
    int height = 0;
    for (int round = 0; round < rounds; ++round) {
        MemoryTallPicture picture(16384);
        ScrollStitcher stitcher(picture);
        const auto start = Clock::now();
        Frame(document, 0, frame);
        stitcher.Start(frame.View());
        const int last = document.height - kView;
        for (int position = 0; position < last;) {
            const int next = std::min(position + kView * 6 / 10, last);
            Frame(document, next, frame);
            const auto stepStart = Clock::now();
            const double processorStart = ThreadMilliseconds();
            const StitchStep step = stitcher.Add(frame.View(), {next - position, false});
            processor.push_back(ThreadMilliseconds() - processorStart);
            steps.push_back(Milliseconds(Clock::now() - stepStart));
            if (step.moved != next - position) {
                std::printf("step from %d to %d: moved %d\n", position, next, step.moved);
                return 1;
            }
            position = next;
        }
        stitcher.Finish();
        whole += Milliseconds(Clock::now() - start);
        height = picture.m_height;
    }
    std::sort(steps.begin(), steps.end());
    std::sort(processor.begin(), processor.end());
    std::printf("stitching %d x %d, %d screens: %zu steps a round, picture %d rows\n", kWidth, kHeight, kScreens,
                steps.size() / static_cast<std::size_t>(rounds), height);
    std::printf("  a step: median %.1f ms, slowest %.1f ms; in the processor: median %.1f ms, slowest %.1f ms\n",
                steps[steps.size() / 2], steps.back(), processor[processor.size() / 2], processor.back());
    std::printf("  a whole capture's stitching (frames drawn by the benchmark included): %.0f ms\n", whole / rounds);
    std::printf("  peak memory added: %ld KB: the picture's capacity (%d KB), and the stitcher's copy of the frame"
                " before (%d KB) with its row hashes\n",
                PeakKilobytes() - before, kWidth * 16384 * 3 / 1024, kWidth * kHeight * 3 / 1024);
    return 0;
}
