// save_bench: the export of a 1920 x 1080 screenshot as PNG, JPEG and TIFF through the program's
// export sequence and Debian's FreeImage, beside ImageMagick's convert doing the same conversion
// from a BMP of the same picture in the same run. It measures; it does not pass or fail.
//
//   save_bench [ROUNDS]        times of each export and of convert, median and best of ROUNDS
//   save_bench --once FORMAT   one export (png, jpg or tif) and the peak memory it added
//
// Run it on the host from the build folder, for example build/host-save/tests/save_bench 10;
// `/usr/bin/time -v save_bench --once png` gives the whole process's peak for comparison.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/HostFreeImageCodec.h"
#include "save/ImageExport.h"
#include "save/SaveFormats.h"

namespace {

using namespace snapwright;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Something like a desktop: a gradient background, windows with title bars and lines of text,
// and a photograph-like noisy area, so that the codecs meet flat runs, edges and detail.
std::shared_ptr<fakes::PixelPicture> ScreenLikePicture() {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    auto at = [&](int x, int y) -> std::uint32_t& { return pixels[static_cast<std::size_t>(y) * kWidth + x]; };
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            at(x, y) = static_cast<std::uint32_t>(20 + y * 60 / kHeight) << 16 |
                       static_cast<std::uint32_t>(60 + x * 80 / kWidth) << 8 | 140;
    std::mt19937 random(1920);
    auto fill = [&](int left, int top, int width, int height, std::uint32_t colour) {
        for (int y = top; y < std::min(top + height, kHeight); ++y)
            for (int x = left; x < std::min(left + width, kWidth); ++x) at(x, y) = colour;
    };
    for (int window = 0; window < 4; ++window) {
        const int left = 80 + window * 420;
        const int top = 60 + window * 180;
        fill(left, top, 700, 520, 0xF0F0F0);
        fill(left, top, 700, 26, 0x2B5797);
        for (int line = 0; line < 28; ++line) {
            // Words: short dark runs with gaps, as text looks to a codec.
            int x = left + 16;
            const int y = top + 44 + line * 17;
            if (y + 9 > std::min(top + 520, kHeight)) break;
            while (x < left + 660) {
                const int word = 12 + static_cast<int>(random() % 60);
                for (int row = 0; row < 9; ++row)
                    for (int dx = 0; dx < word && x + dx < left + 680; ++dx)
                        if (random() % 3 != 0) at(x + dx, y + row) = 0x202020;
                x += word + 6;
            }
        }
    }
    for (int y = 700; y < 1040; ++y)
        for (int x = 1300; x < 1880; ++x) {
            const auto base = static_cast<std::uint32_t>((x * 3 + y * 2) % 256);
            const auto noise = static_cast<std::uint32_t>(random() % 24);
            at(x, y) = (base + noise) % 256 << 16 | (255 - base) << 8 | noise * 8;
        }
    return std::make_shared<fakes::PixelPicture>(kWidth, kHeight, std::move(pixels));
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Timing {
    double median;
    double best;
};

Timing Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Case {
    const char* name;
    int formatIndex;
    const char* convertOptions;  // the same conversion for ImageMagick
};

constexpr Case kCases[] = {
    {"png", 2, ""},
    {"jpg", 1, "-quality 90"},
    {"tif", 3, "-compress LZW"},  // FreeImage writes 24-bit TIFF with LZW by default
};

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("snapwright-save-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directory(folder);

    fakes::HostFreeImageCodec codec;
    fakes::HostFileSystem files;
    fakes::HostBitmapFileWriter bitmapFiles(codec);
    ImageExport exporter(codec, bitmapFiles, files);
    const std::shared_ptr<fakes::PixelPicture> picture = ScreenLikePicture();

    if (argc >= 3 && std::string(argv[1]) == "--once") {
        const std::string name = argv[2];
        const Case* chosen = nullptr;
        for (const Case& c : kCases)
            if (name == c.name) chosen = &c;
        if (!chosen) return 2;
        const long before = PeakKilobytes();
        const ExportOutcome outcome = exporter.Export(kSaveFormats[static_cast<std::size_t>(chosen->formatIndex)],
                                                      (folder / ("shot." + name)).string(), picture, std::nullopt);
        const long after = PeakKilobytes();
        std::printf("one %s export of %dx%d: %s; peak resident set %ld kB before, %ld kB after (+%ld kB)\n",
                    chosen->name, kWidth, kHeight, outcome.ok ? "written" : UserText(outcome.reason, 0).c_str(), before, after,
                    after - before);
        std::filesystem::remove_all(folder);
        return outcome.ok ? 0 : 1;
    }

    const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    // The BMP that convert starts from: the same picture, written by the same library.
    const std::string bmp = (folder / "screen.bmp").string();
    if (!bitmapFiles.SaveBitmapFile(*picture, bmp).ok) {
        std::fprintf(stderr, "the BMP could not be written\n");
        return 1;
    }

    std::printf("export of a %dx%d screenshot, %d rounds: median (best) ms, file size\n", kWidth, kHeight, rounds);
    std::printf("%-6s %22s %22s\n", "format", "Snapwright (FreeImage)", "ImageMagick convert");
    for (const Case& c : kCases) {
        const std::string ours = (folder / (std::string("ours.") + c.name)).string();
        const std::string theirs = (folder / (std::string("convert.") + c.name)).string();
        std::vector<double> ourTimes;
        std::vector<double> theirTimes;
        for (int round = 0; round < rounds; ++round) {
            Clock::time_point start = Clock::now();
            const ExportOutcome outcome =
                exporter.Export(kSaveFormats[static_cast<std::size_t>(c.formatIndex)], ours, picture, std::nullopt);
            ourTimes.push_back(Milliseconds(Clock::now() - start));
            if (!outcome.ok) {
                std::fprintf(stderr, "%s: %s\n", c.name, UserText(outcome.reason, 0).c_str());
                return 1;
            }
            const std::string command = "convert " + bmp + " " + c.convertOptions + " " + theirs;
            start = Clock::now();
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "failed: %s\n", command.c_str());
                return 1;
            }
            theirTimes.push_back(Milliseconds(Clock::now() - start));
        }
        const Timing our = Summary(ourTimes);
        const Timing their = Summary(theirTimes);
        std::printf("%-6s %7.1f (%6.1f) %6.0f kB %7.1f (%6.1f) %6.0f kB\n", c.name, our.median, our.best,
                    std::filesystem::file_size(ours) / 1024.0, their.median, their.best,
                    std::filesystem::file_size(theirs) / 1024.0);
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("largest peak resident set of a convert run: %ld kB\n", children.ru_maxrss);
    std::filesystem::remove_all(folder);
    return 0;
}
