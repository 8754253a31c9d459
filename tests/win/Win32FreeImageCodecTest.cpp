// The image export on Windows with the real adapters: a painted device bitmap written in every
// format into a folder whose name is outside any ANSI code page, and read back; and the editor's
// load path against damaged and hostile files.
#include "save/win32/Win32FreeImageCodec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "PixelTools.h"
#include "fakes/FakeSavePorts.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"
#include "save/FileNaming.h"
#include "save/ImageExport.h"
#include "save/ImageLoad.h"
#include "save/PictureLimits.h"
#include "save/SaveFormats.h"
#include "save/win32/GdiBitmapFile.h"
#include "save/win32/PictureFileLoad.h"

namespace snapwright::win32 {
namespace {

using testing::PaintPattern;
using testing::PatternPixel;
using testing::ReadPixels;

constexpr int kWidth = 41;  // odd: every 24-bit row is padded
constexpr int kHeight = 29;

PicturePtr PaintedPicture() {
    WindowDc screen(nullptr, false);
    UniqueHbitmap bitmap(::CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    {
        ScopedSelectObject selected(memory.get(), bitmap.get());
        PaintPattern(memory.get(), 0, 0, kWidth, kHeight);
    }
    return BitmapToPicture(bitmap.release(), nullptr);
}

std::vector<std::uint32_t> Pattern() {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) pixels.push_back(PatternPixel(x, y));
    return pixels;
}

class Win32FreeImageCodecTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        // Cyrillic, Greek and Japanese: no single ANSI code page holds them all.
        m_folder = std::filesystem::path(temp) /
                   (L"Снимки Ωμέγα 日本 " + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                    std::to_wstring(::GetTickCount()));
        std::filesystem::create_directories(m_folder);
        folder = ToUtf8(m_folder.wstring());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    static bool Exists(const std::string& path) {
        return ::GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // The pixels of an image file as the codec reads them back into a device bitmap.
    std::vector<std::uint32_t> LoadedPixels(const std::string& path) {
        const PicturePtr loaded = LoadPictureWithBusyCursor(codec, path).picture;
        const GdiPicture* gdi = AsGdiPicture(loaded.get());
        return gdi ? ReadPixels(gdi->Bitmap()) : std::vector<std::uint32_t>();
    }

    // The painted picture as the program writes it in a format of the save dialog.
    std::vector<std::uint8_t> Exported(const SaveFormat& format) {
        const std::string path = Path(std::string("seed") + format.extension);
        EXPECT_TRUE(exporter.Export(format, path, picture, std::nullopt).ok);
        std::ifstream in(std::filesystem::path(ToWide(path)), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    }

    std::string folder;
    Win32FreeImageCodec codec;
    Win32FileSystem files;
    GdiBitmapFile bitmapFiles{files};
    ImageExport exporter{codec, bitmapFiles, files};
    PicturePtr picture = PaintedPicture();

private:
    std::filesystem::path m_folder;
};

// The e2e tests write thumbnails of the BMP and the JPEG.
TEST_F(Win32FreeImageCodecTest, EveryFormatGoesToAUnicodeFolderAndComesBack) {
    for (const SaveFormat& format : kSaveFormats) {
        SCOPED_TRACE(format.extension);
        const std::string path = Path(std::string("Bild ✓ ") + format.extension);
        const ExportOutcome outcome = exporter.Export(format, path, picture, std::nullopt);
        ASSERT_TRUE(outcome.ok) << outcome.path << ": " << outcome.reason;
        ASSERT_TRUE(Exists(path));
        codec.Initialise();
        EXPECT_EQ(codec.GetFileType(path), format.codecFormat);
        codec.DeInitialise();

        const std::vector<std::uint32_t> pixels = LoadedPixels(path);
        ASSERT_EQ(pixels.size(), Pattern().size());
        if (format.codecFormat != CodecFormat::Jpeg) {
            EXPECT_EQ(pixels, Pattern());
        }
    }
}

// The e2e tests tell a PNG that cannot be written with its path and the system's reason; the MNG
// (written by the program) and the BMP (written by the picture) fail alike. No folder is made.
TEST_F(Win32FreeImageCodecTest, AFailedSaveGivesTheSystemsReasonAndLeavesNoFile) {
    for (int index : {4, 0}) {
        const SaveFormat& format = kSaveFormats[static_cast<std::size_t>(index)];
        const ExportOutcome outcome =
            exporter.Export(format, Path(std::string("nicht da\\Bild") + format.extension), picture, std::nullopt);
        EXPECT_FALSE(outcome.ok) << format.extension;
        EXPECT_FALSE(outcome.reason.empty()) << format.extension;
    }
    EXPECT_FALSE(Exists(Path("nicht da")));
}

TEST_F(Win32FreeImageCodecTest, AnExistingFileThatCannotBeOpenedIsNeitherReplacedNorRemoved) {
    const std::string path = Path("Bild.png");
    ASSERT_TRUE(files.WriteFile(path, {'o', 'w', 'n'}).ok);
    {
        // Another program holds the file open and shares it with no one.
        UniqueKernelHandle held(::CreateFileW(ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
        const ExportOutcome outcome = exporter.Export(kSaveFormats[2], path, picture, std::nullopt);
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.reason.empty());
        EXPECT_FALSE(exporter.Export(kSaveFormats[4], path, picture, std::nullopt).ok);
    }
    ASSERT_TRUE(files.Stamp(path));
    EXPECT_EQ(files.Stamp(path)->size, 3u) << "the file is still the user's";
}

using Bytes = std::vector<std::uint8_t>;

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream(std::filesystem::path(ToWide(path)), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes WithNumber(Bytes bytes, std::size_t at, std::uint32_t value, int size, bool bigEndian) {
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (bigEndian ? size - 1 - i : i);
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> shift);
    }
    return bytes;
}

// A TIFF whose width and height tags (256, 257) claim `side`; FreeImage writes little-endian files.
Bytes TiffClaiming(Bytes tiff, std::uint32_t side) {
    const std::size_t directory = tiff[4] | tiff[5] << 8 | tiff[6] << 16 | static_cast<std::size_t>(tiff[7]) << 24;
    const int entries = tiff.at(directory) | tiff.at(directory + 1) << 8;
    for (int i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * static_cast<std::size_t>(i);
        const int tag = tiff[entry] | tiff[entry + 1] << 8;
        const int type = tiff[entry + 2] | tiff[entry + 3] << 8;
        if (tag == 256 || tag == 257) tiff = WithNumber(std::move(tiff), entry + 8, side, type == 3 ? 2 : 4, false);
    }
    return tiff;
}

// A JPEG whose frame header claims `side` a side.
Bytes JpegClaiming(Bytes jpeg, std::uint32_t side) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            return WithNumber(WithNumber(std::move(jpeg), i + 5, side, 2, true), i + 7, side, 2, true);
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

Bytes Cut(const Bytes& bytes) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() * 2 / 3));
}

Bytes NoiseAfter(std::initializer_list<std::uint8_t> magic) {
    std::mt19937 random(7);
    Bytes bytes(magic);
    while (bytes.size() < 2000) bytes.push_back(static_cast<std::uint8_t>(random()));
    return bytes;
}

// The codec, counting the decodes of pixels (a header read is a load without them).
class DecodeCountingCodec : public Win32FreeImageCodec {
public:
    CodecBitmap Load(CodecFormat format, const std::string& path, int flags) override {
        if (flags == 0) ++decodes;
        return Win32FreeImageCodec::Load(format, path, flags);
    }
    int decodes = 0;
};

// Each ends in a reason for the message, without a picture; a claimed size beyond the limit is
// refused before the decoder could allocate for it.
TEST_F(Win32FreeImageCodecTest, HugeCutOffEmptyAndNoisyFilesEndInAReason) {
    const Bytes bmp = Exported(kSaveFormats[0]);
    const Bytes jpeg = Exported(kSaveFormats[1]);
    const Bytes png = Exported(kSaveFormats[2]);
    const Bytes tiff = Exported(kSaveFormats[3]);
    const struct {
        const char* name;
        Bytes bytes;
        const char* reason;
    } hostile[] = {
        {"huge.png", fakes::TinyPng(60000, 60000), "60000 \u00d7 60000 pixels"},
        {"huge.bmp", WithNumber(WithNumber(bmp, 18, 50000, 4, false), 22, 50000, 4, false), "50000 \u00d7 50000"},
        {"huge.tif", TiffClaiming(tiff, 60000), "60000 \u00d7 60000"},
        {"huge.jpg", JpegClaiming(jpeg, 60000), "60000 \u00d7 60000"},
        {"cut.png", Cut(png), "damaged"},
        {"cut.bmp", Cut(bmp), "damaged"},
        {"cut.tif", Cut(tiff), "damaged"},
        {"cut.jpg", Cut(jpeg), "damaged"},
        {"empty.png", {}, "not a picture"},
        {"noise.png", NoiseAfter({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), ""},
        {"noise.bmp", NoiseAfter({'B', 'M'}), ""},
        {"noise.tif", NoiseAfter({'I', 'I', 42, 0}), ""},
        {"noise.jpg", NoiseAfter({0xFF, 0xD8, 0xFF}), ""},
    };
    for (const auto& file : hostile) {
        SCOPED_TRACE(file.name);
        Write(Path(file.name), file.bytes);
        DecodeCountingCodec counting;
        const LoadedPicture loaded = LoadPictureWithBusyCursor(counting, Path(file.name));
        EXPECT_FALSE(loaded.picture);
        EXPECT_NE(loaded.reason, "");
        EXPECT_NE(loaded.reason.find(file.reason), std::string::npos) << loaded.reason;
        if (std::string(file.name).starts_with("huge")) {
            EXPECT_EQ(counting.decodes, 0);
        }
    }
}

// Mutations of our own files in every format: flipped bytes, cut ends, numbers at their extremes
// and repeated stretches. Each load ends in a picture within the limit or in a reason.
TEST_F(Win32FreeImageCodecTest, AFuzzRunOfMutatedFilesEndsInPicturesOrReasons) {
    constexpr int kMutationsPerFormat = 600;
    constexpr std::uint32_t kExtremes[] = {0, 1, 0x7FFF, 0xFFFF, 0x8000'0000, 0x7FFF'FFFF, 0xFFFF'FFFF};
    std::mt19937 random(20240601);
    const auto below = [&random](std::size_t bound) { return static_cast<std::size_t>(random() % bound); };
    int loaded = 0;
    for (const SaveFormat& format : kSaveFormats) {
        const Bytes seed = Exported(format);
        ASSERT_GT(seed.size(), 16u);
        const std::string path = Path(std::string("mutant") + format.extension);
        for (int n = 0; n < kMutationsPerFormat; ++n) {
            Bytes bytes = seed;
            switch (n % 4) {
                case 0:
                    for (std::size_t k = 1 + below(8); k > 0; --k) {
                        bytes[below(bytes.size())] = static_cast<std::uint8_t>(random());
                    }
                    break;
                case 1: bytes.resize(below(bytes.size())); break;
                case 2:
                    bytes = WithNumber(std::move(bytes), below(bytes.size() - 4),
                                       kExtremes[below(std::size(kExtremes))], 4, random() % 2 == 0);
                    break;
                default: {
                    const std::size_t from = below(bytes.size());
                    const std::size_t length = 1 + below(std::min<std::size_t>(64, bytes.size() - from));
                    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(below(bytes.size())),
                                 seed.begin() + static_cast<std::ptrdiff_t>(from),
                                 seed.begin() + static_cast<std::ptrdiff_t>(from + length));
                }
            }
            Write(path, bytes);
            const LoadedPicture result = LoadPictureWithBusyCursor(codec, path);
            if (result.picture) {
                ++loaded;
                EXPECT_LE(std::max(result.picture->Width(), result.picture->Height()), kMaxPictureSide);
            } else {
                EXPECT_NE(result.reason, "") << format.extension << " mutation " << n;
            }
        }
    }
    EXPECT_GT(loaded, 0) << "no mutation left a readable picture: the run tested only refusals";
}

}  // namespace
}  // namespace snapwright::win32
