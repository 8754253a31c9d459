// The cross-built FreeImage, where this build differs from Debian's library: the format numbers
// that the save paths pass, the formats that this build leaves out, and the half-float TIFF
// path, whose conversion this build supplies itself. The formats the program writes are saved
// and read back through the program's own adapter (Win32FreeImageCodecTest) and by the e2e tests.
#include <windows.h>  // before FreeImage.h, which otherwise defines BYTE, DWORD ... itself

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace snapwright::win32 {
namespace {

struct DibDeleter {
    void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};
using UniqueDib = std::unique_ptr<FIBITMAP, DibDeleter>;

struct MemoryDeleter {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};
using UniqueMemory = std::unique_ptr<FIMEMORY, MemoryDeleter>;

// Under MinGW the static library has no DllMain: nothing works before FreeImage_Initialise.
class FreeImageCodecTest : public ::testing::Test {
protected:
    void SetUp() override { FreeImage_Initialise(FALSE); }
    void TearDown() override { FreeImage_DeInitialise(); }
};

// --- format numbers ------------------------------------------------------------------

TEST_F(FreeImageCodecTest, FormatIdsKeepTheNumbersOfTheFullLibrary) {
    struct Expected {
        const char* name;
        int id;
    };
    // The save paths pass these numbers; a left-out plugin must not shift them.
    for (const Expected& format : {Expected{"BMP", 0}, Expected{"JPEG", 2}, Expected{"JNG", 3}, Expected{"MNG", 6},
                                   Expected{"PNG", 13}, Expected{"TIFF", 18}}) {
        EXPECT_EQ(FreeImage_GetFIFFromFormat(format.name), format.id) << format.name;
        const char* name = FreeImage_GetFormatFromFIF(static_cast<FREE_IMAGE_FORMAT>(format.id));
        ASSERT_NE(name, nullptr) << format.id;
        EXPECT_STREQ(name, format.name) << format.id;
    }
    // Every slot up to the last format (JPEG-XR, 36) is taken, and nothing is added after it.
    EXPECT_EQ(FreeImage_GetFIFCount(), FIF_JXR + 1);
}

TEST_F(FreeImageCodecTest, LeftOutFormatsAreDisabledPlaceholders) {
    for (FREE_IMAGE_FORMAT fif : {FIF_ICO, FIF_PPMRAW, FIF_GIF, FIF_WEBP, FIF_JXR}) {
        EXPECT_FALSE(FreeImage_IsPluginEnabled(fif)) << fif;
        EXPECT_FALSE(FreeImage_FIFSupportsReading(fif) || FreeImage_FIFSupportsWriting(fif)) << fif;
    }
    // A disabled slot is found by no lookup.
    EXPECT_EQ(FreeImage_GetFIFFromFormat("GIF"), FIF_UNKNOWN);
    EXPECT_EQ(FreeImage_GetFIFFromFilename("a.gif"), FIF_UNKNOWN);
    // Enabled again by a caller, a placeholder still answers without crashing, and reads nothing.
    FreeImage_SetPluginEnabled(FIF_GIF, TRUE);
    EXPECT_EQ(FreeImage_GetFIFFromFilename("a.gif"), FIF_GIF);
    EXPECT_EQ(FreeImage_GetFIFFromFilename("a.xyz"), FIF_UNKNOWN);  // walks its extension list
    const BYTE gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
    UniqueMemory memory(FreeImage_OpenMemory(const_cast<BYTE*>(gif), sizeof(gif)));
    EXPECT_EQ(UniqueDib(FreeImage_LoadFromMemory(FIF_GIF, memory.get(), 0)), nullptr);
    FreeImage_SetPluginEnabled(FIF_GIF, FALSE);
}

// --- half-float TIFF ---------------------------------------------------------------------

// A little-endian TIFF of 3 x 16-bit IEEE half samples per pixel, uncompressed, one strip.
std::vector<BYTE> HalfFloatTiff(int width, int height, const std::vector<std::uint16_t>& samples) {
    std::vector<BYTE> file;
    file.reserve(256 + samples.size() * 2);
    auto put16 = [&](unsigned value) {
        file.push_back(static_cast<BYTE>(value));
        file.push_back(static_cast<BYTE>(value >> 8));
    };
    auto put32 = [&](unsigned value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    };
    constexpr unsigned kEntries = 11;
    constexpr unsigned kIfd = 8;
    constexpr unsigned kExtra = kIfd + 2 + kEntries * 12 + 4;  // BitsPerSample, then SampleFormat
    constexpr unsigned kPixels = kExtra + 12;
    put16('I' | 'I' << 8);  // little-endian
    put16(42);
    put32(kIfd);
    put16(kEntries);
    auto entry = [&](unsigned tag, unsigned type, unsigned count, unsigned value) {
        put16(tag);
        put16(type);
        put32(count);
        if (type == 3 && count == 1) {
            put16(value);
            put16(0);
        } else {
            put32(value);
        }
    };
    constexpr unsigned kShort = 3;
    constexpr unsigned kLong = 4;
    entry(256, kShort, 1, static_cast<unsigned>(width));             // ImageWidth
    entry(257, kShort, 1, static_cast<unsigned>(height));            // ImageLength
    entry(258, kShort, 3, kExtra);                                   // BitsPerSample 16,16,16
    entry(259, kShort, 1, 1);                                        // no compression
    entry(262, kShort, 1, 2);                                        // RGB
    entry(273, kLong, 1, kPixels);                                   // StripOffsets
    entry(277, kShort, 1, 3);                                        // SamplesPerPixel
    entry(278, kShort, 1, static_cast<unsigned>(height));            // RowsPerStrip
    entry(279, kLong, 1, static_cast<unsigned>(samples.size() * 2)); // StripByteCounts
    entry(284, kShort, 1, 1);                                        // contiguous samples
    entry(339, kShort, 3, kExtra + 6);                               // SampleFormat: IEEE float
    put32(0);                                                        // no further directory
    for (int i = 0; i < 3; ++i) put16(16);
    for (int i = 0; i < 3; ++i) put16(3);
    for (std::uint16_t sample : samples) put16(sample);
    return file;
}

std::uint32_t FloatBits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

TEST_F(FreeImageCodecTest, HalfFloatTiffLoadsAsExactFloats) {
    struct Sample {
        std::uint16_t half;
        std::uint32_t floatBits;  // the same value as an IEEE single
    };
    // Normal, signed, zero, subnormal, largest finite, infinite and NaN halves, two pixels a row.
    const std::vector<Sample> top = {
        {0x3C00, FloatBits(1.0f)},  {0xC000, FloatBits(-2.0f)},       {0x3555, FloatBits(0x1.554p-2f)},
        {0x8000, FloatBits(-0.0f)}, {0x0001, FloatBits(0x1p-24f)},    {0x03FF, FloatBits(0x1.ff8p-15f)},
    };
    const std::vector<Sample> bottom = {
        {0x0400, FloatBits(0x1p-14f)}, {0x7BFF, FloatBits(65504.0f)}, {0x8001, FloatBits(-0x1p-24f)},
        {0xFC00, 0xFF800000u},         {0x7E00, 0x7FC00000u},         {0x7FFF, 0x7FFFE000u},
    };
    constexpr int kPixelsPerRow = 2;
    std::vector<std::uint16_t> samples;
    for (const Sample& s : top) samples.push_back(s.half);
    for (const Sample& s : bottom) samples.push_back(s.half);
    std::vector<BYTE> file = HalfFloatTiff(kPixelsPerRow, 2, samples);

    UniqueMemory memory(FreeImage_OpenMemory(file.data(), static_cast<DWORD>(file.size())));
    ASSERT_EQ(FreeImage_GetFileTypeFromMemory(memory.get(), 0), FIF_TIFF);
    UniqueDib dib(FreeImage_LoadFromMemory(FIF_TIFF, memory.get(), 0));
    ASSERT_NE(dib, nullptr);
    ASSERT_EQ(FreeImage_GetImageType(dib.get()), FIT_RGBF);
    ASSERT_EQ(FreeImage_GetWidth(dib.get()), static_cast<unsigned>(kPixelsPerRow));
    ASSERT_EQ(FreeImage_GetHeight(dib.get()), 2u);

    // FreeImage keeps rows bottom-up: the file's first row is scan line 1.
    auto check = [&](int scanLine, const std::vector<Sample>& expected) {
        const BYTE* line = FreeImage_GetScanLine(dib.get(), scanLine);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            std::uint32_t bits;  // copied as bits: a NaN must not pass through a float register
            std::memcpy(&bits, line + i * sizeof(float), sizeof(bits));
            EXPECT_EQ(bits, expected[i].floatBits) << "half 0x" << std::hex << expected[i].half;
        }
    };
    check(1, top);
    check(0, bottom);
}

}  // namespace
}  // namespace snapwright::win32
