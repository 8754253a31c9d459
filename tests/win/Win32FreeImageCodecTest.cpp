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
#include <algorithm>
#include <memory>
#include <random>
#include <tuple>
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

using testing::ReadPixels;

constexpr int kWidth = 41;  // odd: every 24-bit row is padded
constexpr int kHeight = 29;

std::vector<std::uint32_t> Pattern() {
    return testing::PatternPixels(kWidth, kHeight);
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
    PicturePtr picture = testing::PatternPicture(kWidth, kHeight);

private:
    std::filesystem::path m_folder;
};

// The e2e tests write thumbnails of the BMP and the JPEG.
TEST_F(Win32FreeImageCodecTest, EveryFormatGoesToAUnicodeFolderAndComesBack) {
    for (const SaveFormat& format : kSaveFormats) {
        SCOPED_TRACE(format.extension);
        const std::string path = Path(std::string("Bild ✓ ") + format.extension);
        const ExportOutcome outcome = exporter.Export(format, path, picture, std::nullopt);
        ASSERT_TRUE(outcome.ok) << outcome.path << ": " << UserText(outcome.reason, 0);
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

// The e2e tests tell a PNG that cannot be written with its path and its reason; the MNG (written by
// the program) and the BMP (written by the picture) fail alike, the system's kind of failure told
// for the path. No folder is made.
TEST_F(Win32FreeImageCodecTest, AFailedSaveTellsWhyAndLeavesNoFile) {
    for (int index : {2, 4, 0}) {
        const SaveFormat& format = kSaveFormats[static_cast<std::size_t>(index)];
        const ExportOutcome outcome =
            exporter.Export(format, Path(std::string("nicht da\\Bild") + format.extension), picture, std::nullopt);
        EXPECT_FALSE(outcome.ok) << format.extension;
        EXPECT_EQ(UserText(outcome.reason, 0), "The folder " + Path("nicht da") + " does not exist.") << format.extension;
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
        EXPECT_EQ(outcome.reason.id, TextId::SystemReason) << "the system's words: the file is in use";
        EXPECT_FALSE(UserText(outcome.reason, 0).empty());
        EXPECT_FALSE(exporter.Export(kSaveFormats[4], path, picture, std::nullopt).ok);
    }
    ASSERT_TRUE(files.Stamp(path));
    EXPECT_EQ(files.Stamp(path)->size, 3u) << "the file is still the user's";
}

using Bytes = std::vector<std::uint8_t>;

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream(std::filesystem::path(ToWide(path)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The bytes with each `from`, found once, overwritten by `to`.
Bytes Patched(Bytes bytes, std::initializer_list<std::pair<Bytes, Bytes>> changes) {
    for (const auto& [from, to] : changes) {
        const auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
        EXPECT_NE(at, bytes.end());
        if (at != bytes.end()) std::copy(to.begin(), to.end(), at);
    }
    return bytes;
}

// Each ends in a reason for the message and no picture. A reason with the claimed size comes from
// the header alone: the decoder never ran and allocated nothing for it.
TEST_F(Win32FreeImageCodecTest, HugeCutOffEmptyAndNoisyFilesEndInAReason) {
    const Bytes bmp = Exported(kSaveFormats[0]), jpeg = Exported(kSaveFormats[1]), png = Exported(kSaveFormats[2]),
                tiff = Exported(kSaveFormats[3]);
    const auto cut = [](const Bytes& bytes) { return Bytes(bytes.begin(), bytes.begin() + bytes.size() * 2 / 3); };
    const auto noise = [](Bytes bytes) {
        std::mt19937 random(7);
        while (bytes.size() < 2000) bytes.push_back(static_cast<std::uint8_t>(random()));
        return bytes;
    };
    // 41 x 29 pixels become 50000 or 60000 (0xC350, 0xEA60) a side.
    const std::tuple<const char*, Bytes, const char*> files[] = {
        {"huge.png", fakes::TinyPng(60000, 60000), "60000 \u00d7 60000 pixels"},
        {"huge.bmp", Patched(bmp, {{{41, 0, 0, 0, 29, 0, 0, 0}, {0x50, 0xC3, 0, 0, 0x50, 0xC3, 0, 0}}}),
         "50000 \u00d7 50000"},
        {"huge.tif", Patched(tiff, {{{0, 1, 3, 0, 1, 0, 0, 0, 41}, {0, 1, 3, 0, 1, 0, 0, 0, 0x60, 0xEA}},
                                    {{1, 1, 3, 0, 1, 0, 0, 0, 29}, {1, 1, 3, 0, 1, 0, 0, 0, 0x60, 0xEA}}}),
         "60000 \u00d7 60000"},
        {"huge.jpg", Patched(jpeg, {{{0xC0, 0, 17, 8, 0, 29, 0, 41}, {0xC0, 0, 17, 8, 0xEA, 0x60, 0xEA, 0x60}}}),
         "60000 \u00d7 60000"},
        {"cut.png", cut(png), "damaged"}, {"cut.bmp", cut(bmp), "damaged"}, {"cut.tif", cut(tiff), "damaged"},
        {"cut.jpg", cut(jpeg), "damaged"}, {"empty.png", {}, "not a picture"},
        {"noise.png", noise({0x89, 'P', 'N', 'G', 13, 10, 26, 10}), ""}, {"noise.bmp", noise({'B', 'M'}), ""},
        {"noise.tif", noise({'I', 'I', 42, 0}), ""}, {"noise.jpg", noise({0xFF, 0xD8, 0xFF}), ""},
    };
    for (const auto& [name, bytes, reason] : files) {
        Write(Path(name), bytes);
        const LoadedPicture loaded = LoadPictureWithBusyCursor(codec, Path(name));
        EXPECT_FALSE(loaded.picture) << name;
        const std::string told = UserText(loaded.reason, 0);
        EXPECT_NE(told.find(reason), std::string::npos) << name << ": " << told;
    }
}

// Mutations of our own files in every format: flipped bytes, cut ends, numbers at their extremes.
// Each load ends in a picture within the limit or in a reason, and many in a picture.
TEST_F(Win32FreeImageCodecTest, AFuzzRunOfMutatedFilesEndsInPicturesOrReasons) {
    constexpr std::uint8_t kExtremes[][4] = {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF}, {0x7F, 0xFF, 0xFF, 0xFF},
                                             {0, 0, 1, 0}};
    std::mt19937 random(20240601);
    const auto below = [&random](std::size_t bound) { return static_cast<std::size_t>(random() % bound); };
    int pictures = 0;
    for (const SaveFormat& format : kSaveFormats) {
        const Bytes seed = Exported(format);
        const std::string path = Path(std::string("mutant") + format.extension);
        for (int n = 0; n < 600; ++n) {
            Bytes bytes = seed;
            if (n % 3 == 0) {
                for (std::size_t k = 1 + below(8); k > 0; --k) {
                    bytes[below(bytes.size())] = static_cast<std::uint8_t>(random());
                }
            } else if (n % 3 == 1) {
                bytes.resize(below(bytes.size()));
            } else {
                const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(below(bytes.size() - 4));
                std::copy_n(kExtremes[below(4)], 4, at);
            }
            Write(path, bytes);
            const LoadedPicture loaded = LoadPictureWithBusyCursor(codec, path);
            const bool within = loaded.picture && std::max(loaded.picture->Width(), loaded.picture->Height()) <=
                                                      kMaxPictureSide;
            EXPECT_TRUE(within || !loaded.picture) << format.extension << " " << n;  // no picture: a reason
            pictures += loaded.picture ? 1 : 0;
        }
    }
    EXPECT_GT(pictures, 100) << "the mutations tested little beyond the refusals";
}

}  // namespace
}  // namespace snapwright::win32
