// The export with Debian's FreeImage: every format encoded from a synthetic picture, written to
// files and decoded again by the library. (The e2e tests check the files of the shipped build
// with ImageMagick: JPEG quality, MNG, TIFF and BMP layouts.)
// The failures are made by a mocked codec over an in-memory file system.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "fakes/HostFreeImageCodec.h"
#include "save/FileNaming.h"
#include "save/ImageExport.h"
#include "save/ImageLoad.h"
#include "save/SaveFormats.h"
#include "save/ThumbnailSize.h"

namespace snapwright {
namespace {

using fakes::PixelPicture;
using ::testing::_;
using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 101;  // odd: every 24-bit row is padded
constexpr int kHeight = 67;

// Gradients under a brightness checkerboard: neighbours differ, and the edges are in brightness,
// which JPEG keeps at full resolution.
std::uint32_t PatternAt(int x, int y) {
    const int checker = ((x / 8 + y / 8) % 2) != 0 ? 48 : 0;
    const auto r = static_cast<std::uint32_t>(20 + x * 180 / (kWidth - 1) + checker);
    const auto g = static_cast<std::uint32_t>(20 + y * 180 / (kHeight - 1) + checker);
    const auto b = static_cast<std::uint32_t>(110 + checker);
    return r << 16 | g << 8 | b;
}

std::shared_ptr<PixelPicture> PatternPicture() {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) pixels.push_back(PatternAt(x, y));
    return std::make_shared<PixelPicture>(kWidth, kHeight, std::move(pixels));
}

struct Decoded {
    int width = 0;
    int height = 0;
    unsigned bpp = 0;
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    std::vector<std::uint32_t> pixels;
};

// What the library reads back from a file, by the format it finds in the file's contents.
Decoded Decode(const std::string& path) {
    Decoded decoded;
    decoded.format = FreeImage_GetFileType(path.c_str(), 0);
    if (decoded.format == FIF_UNKNOWN) return decoded;
    std::unique_ptr<FIBITMAP, decltype(&FreeImage_Unload)> dib(FreeImage_Load(decoded.format, path.c_str(), 0),
                                                                 &FreeImage_Unload);
    if (!dib) return decoded;
    decoded.width = static_cast<int>(FreeImage_GetWidth(dib.get()));
    decoded.height = static_cast<int>(FreeImage_GetHeight(dib.get()));
    decoded.bpp = FreeImage_GetBPP(dib.get());
    decoded.pixels = fakes::PixelsOf(dib.get());
    return decoded;
}

double MeanError(const std::vector<std::uint32_t>& got, const PixelPicture& want) {
    long long total = 0;
    for (std::size_t i = 0; i < got.size(); ++i) {
        for (int shift : {16, 8, 0}) {
            const int have = static_cast<int>((got[i] >> shift) & 0xFF);
            const int wanted = static_cast<int>((want.pixels[i] >> shift) & 0xFF);
            total += std::abs(have - wanted);
        }
    }
    return static_cast<double>(total) / (static_cast<double>(got.size()) * 3.0);
}

class ImageExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::filesystem::path made =
            std::filesystem::temp_directory_path() / ("snapwright-export-" + std::to_string(now));
        ASSERT_TRUE(std::filesystem::create_directory(made));
        folder = made.string();
        // The test reads files with the library itself: a statically linked library (Windows)
        // works only while initialised, and every export de-initialises it at its end.
        FreeImage_Initialise(FALSE);
    }
    void TearDown() override {
        FreeImage_DeInitialise();
        std::filesystem::remove_all(folder);
    }
    std::string Path(const std::string& name) const { return (std::filesystem::path(folder) / name).string(); }

    std::string folder;
    fakes::HostFreeImageCodec codec;
    fakes::HostFileSystem files;
    fakes::HostBitmapFileWriter bitmapFiles{codec};
    ImageExport exporter{codec, bitmapFiles, files};
    std::shared_ptr<PixelPicture> picture = PatternPicture();
};

struct FormatCase {
    int index;
    FREE_IMAGE_FORMAT format;
    bool lossless;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << kSaveFormats[static_cast<std::size_t>(c.index)].extension;
}

class ImageExportFormatTest : public ImageExportTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ImageExportFormatTest, TheFileAndItsThumbnailDecodeToThePicture) {
    const FormatCase& c = GetParam();
    const SaveFormat& format = kSaveFormats[static_cast<std::size_t>(c.index)];
    const std::string path = Path(std::string("shot") + format.extension);
    // 50 % of 101 is 50.5, which rounds to the even 50; 50 * 67 / 101 = 33.2 -> 33.
    const ThumbSize thumb = ThumbnailSize(50, kWidth, kHeight);
    ASSERT_EQ(thumb, (ThumbSize{50, 33}));

    const ExportOutcome outcome = exporter.Export(format, path, picture, thumb);
    ASSERT_TRUE(outcome.ok) << outcome.path << ": " << outcome.reason;

    const Decoded main = Decode(path);
    EXPECT_EQ(main.format, c.format);
    ASSERT_EQ(main.width, kWidth);
    ASSERT_EQ(main.height, kHeight);
    EXPECT_EQ(main.bpp, 24u);
    if (c.lossless) {
        EXPECT_EQ(main.pixels, picture->pixels) << "pixels differ";
    } else {
        const double error = MeanError(main.pixels, *picture);
        EXPECT_GT(error, 0.0);
        EXPECT_LT(error, 2.0);
    }

    const std::string thumbPath = Path(std::string("shot_thumb") + format.extension);
    ASSERT_EQ(ThumbnailFileName(path), thumbPath);
    const Decoded small = Decode(thumbPath);
    EXPECT_EQ(small.format, c.format);
    EXPECT_EQ(small.width, 50);
    EXPECT_EQ(small.height, 33);
    EXPECT_EQ(small.bpp, 24u);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, ImageExportFormatTest,
                         ::testing::Values(FormatCase{0, FIF_BMP, true}, FormatCase{1, FIF_JPEG, false},
                                           FormatCase{2, FIF_PNG, true}, FormatCase{3, FIF_TIFF, true},
                                           FormatCase{4, FIF_MNG, true}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(kSaveFormats[static_cast<std::size_t>(info.param.index)].extension + 1);
                         });

TEST_F(ImageExportTest, TheLoadSequenceReadsASavedFileBack) {
    const std::string path = Path("shot.tif");
    ASSERT_TRUE(exporter.Export(kSaveFormats[3], path, picture, std::nullopt).ok);
    const PicturePtr loaded = LoadPictureFile(codec, path);
    const auto* pixels = dynamic_cast<const PixelPicture*>(loaded.get());
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels->width, kWidth);
    EXPECT_EQ(pixels->pixels, picture->pixels);

    std::ofstream(Path("notes.txt")) << "not a picture";
    EXPECT_EQ(LoadPictureFile(codec, Path("notes.txt")), nullptr);
}

// Failures, made by a codec that works until a test tells one call to fail. Whatever happens,
// every codec bitmap is given back and the codec de-initialised.
class ImageExportFailureTest : public ::testing::Test {
protected:
    void SetUp() override { codec.WorkInto(files); }
    void TearDown() override {
        EXPECT_EQ(codec.live, 0) << "codec bitmaps still loaded";
        EXPECT_EQ(codec.initialised, 0) << "the codec is still initialised";
    }
    ExportOutcome Export(int formatIndex, const std::string& path, std::optional<ThumbSize> thumbnail = std::nullopt) {
        return exporter.Export(kSaveFormats[static_cast<std::size_t>(formatIndex)], path, shot, thumbnail);
    }

    fakes::FakeFileSystem files;
    ::testing::NiceMock<fakes::MockCodec> codec;
    ::testing::NiceMock<fakes::MockBitmapFileWriter> bitmapFiles;
    ImageExport exporter{codec, bitmapFiles, files};
    PicturePtr shot = std::make_shared<fakes::FakePicture>(1024, 768, 1);
};

TEST_F(ImageExportFailureTest, AFailedSaveIsReportedWithItsPathAndLeavesNoEmptyFileAndNoThumbnail) {
    EXPECT_CALL(codec, Save(CodecFormat::Png, _, "D:\\full\\a.png", 0))
        .WillOnce([this](CodecFormat, CodecBitmap, const std::string& path, int) {
            files.files[path] = {};
            return FileOutcome::Failure("There is not enough space on the disk.");
        });
    EXPECT_CALL(codec, Rescale).Times(0);
    const ExportOutcome outcome = Export(2, "D:\\full\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "D:\\full\\a.png");
    EXPECT_EQ(outcome.reason, "There is not enough space on the disk.");
    EXPECT_EQ(files.files.count("D:\\full\\a.png"), 0u);
}

// An existing file that could not be opened for writing (read-only, locked) is the user's.
TEST_F(ImageExportFailureTest, AFileTheFailedSaveNeverTouchedStays) {
    files.files["C:\\s\\a.png"] = {1, 2, 3};
    EXPECT_CALL(codec, Save).WillOnce(::testing::Return(FileOutcome::Failure("Access is denied.")));
    EXPECT_FALSE(Export(2, "C:\\s\\a.png").ok);
    EXPECT_EQ(files.files.at("C:\\s\\a.png"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ImageExportFailureTest, AnOverwrittenMngThatFailedHalfwayIsRemoved) {
    files.files["C:\\s\\a.mng"] = {1, 2, 3};
    files.writeFailure = "There is not enough space on the disk.";
    ON_CALL(codec, SaveToMemory).WillByDefault(::testing::Return(fakes::TinyPng(8, 8)));
    const ExportOutcome outcome = Export(4, "C:\\s\\a.mng");
    EXPECT_EQ(outcome.reason, "There is not enough space on the disk.");
    EXPECT_EQ(files.files.count("C:\\s\\a.mng"), 0u);
}

TEST_F(ImageExportFailureTest, ASaveThatReportsSuccessButLeavesAnEmptyFileIsAFailure) {
    EXPECT_CALL(codec, Save).WillOnce([this](CodecFormat, CodecBitmap, const std::string& path, int) {
        files.files[path] = {};
        return FileOutcome{};
    });
    const ExportOutcome outcome = Export(3, "C:\\s\\a.tif");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "The file is empty after writing.");
    EXPECT_EQ(files.files.count("C:\\s\\a.tif"), 0u);
}

TEST_F(ImageExportFailureTest, EachStepThatCannotBeDoneIsReportedWithTheFileItConcerns) {
    EXPECT_CALL(codec, FromPicture).WillOnce(::testing::Return(0)).WillRepeatedly(::testing::DoDefault());
    EXPECT_EQ(Export(2, "C:\\s\\a.png", ThumbSize{102, 76}).path, "C:\\s\\a.png") << "picture the codec cannot take";

    EXPECT_CALL(codec, Rescale).WillOnce(::testing::Return(0)).WillRepeatedly(::testing::DoDefault());
    const ExportOutcome thumbnail = Export(2, "C:\\s\\b.png", ThumbSize{102, 76});
    EXPECT_EQ(thumbnail.path, "C:\\s\\b_thumb.png");
    EXPECT_EQ(files.files.count("C:\\s\\b.png"), 1u) << "the main file is kept";

    EXPECT_FALSE(Export(4, "C:\\s\\c.mng").ok) << "an MNG whose PNG cannot be encoded";
    EXPECT_EQ(files.files.count("C:\\s\\c.mng"), 0u);

    EXPECT_CALL(bitmapFiles, SaveBitmapFile).WillOnce(::testing::Return(FileOutcome::Failure("Access is denied.")));
    EXPECT_CALL(codec, Initialise).Times(0);
    EXPECT_EQ(Export(0, "C:\\s\\d.bmp", ThumbSize{102, 76}).reason, "Access is denied.") << "no thumbnail either";

    shot = nullptr;
    EXPECT_FALSE(Export(2, "C:\\s\\e.png").ok);
}

TEST_F(ImageExportFailureTest, AThumbnailKeepsAtLeastOnePixelASide) {
    shot = std::make_shared<fakes::FakePicture>(6, 3, 2);
    EXPECT_CALL(codec, Rescale(_, 1, 1, kRescaleBilinear));
    EXPECT_TRUE(Export(2, "C:\\s\\a.png", ThumbSize{1, 0}).ok);
}

}  // namespace
}  // namespace snapwright
