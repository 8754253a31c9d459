// The image export on Windows with the real adapters: a painted device bitmap written in every
// format into a folder whose name is outside any ANSI code page, and read back.
#include "save/win32/Win32FreeImageCodec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "PixelTools.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"
#include "save/FileNaming.h"
#include "save/ImageExport.h"
#include "save/ImageLoad.h"
#include "save/SaveFormats.h"
#include "save/win32/GdiBitmapFile.h"

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
        const PicturePtr loaded = LoadPictureFile(codec, path).picture;
        const GdiPicture* gdi = AsGdiPicture(loaded.get());
        return gdi ? ReadPixels(gdi->Bitmap()) : std::vector<std::uint32_t>();
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

}  // namespace
}  // namespace snapwright::win32
