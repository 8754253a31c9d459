#include "save/ImageExport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"
#include "save/SaveFormats.h"

// The formats themselves are written with the shipped library and read back under Wine
// (Win32FreeImageCodecTest) and checked with ImageMagick by the e2e tests; there, too, an existing
// file that cannot be opened for writing stays as it was.
namespace snapwright {
namespace {

using ::testing::_;

// Failures, made by a codec that works until a test tells one call to fail. Whatever happens,
// every codec bitmap is given back and the codec de-initialised.
class ImageExportTest : public ::testing::Test {
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

// A save that fails, one that reports success but leaves an empty file, and an MNG that fails half-way
// over an older file: each reported with its path and reason, and neither file nor thumbnail left.
TEST_F(ImageExportTest, AFailedOrEmptySaveIsReportedWithItsPathAndLeavesNoFileAndNoThumbnail) {
    const auto writesEmpty = [this](FileOutcome outcome) {
        return [this, outcome](CodecFormat, CodecBitmap, const std::string& path, int) {
            files.files[path] = {};
            return outcome;
        };
    };
    EXPECT_CALL(codec, Save(CodecFormat::Png, _, "D:\\full\\a.png", 0))
        .WillOnce(writesEmpty(FileOutcome::Failure("There is not enough space on the disk.")));
    EXPECT_CALL(codec, Rescale).Times(0);
    const ExportOutcome outcome = Export(2, "D:\\full\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "D:\\full\\a.png");
    EXPECT_EQ(outcome.reason, "There is not enough space on the disk.");
    EXPECT_EQ(files.files.count("D:\\full\\a.png"), 0u);

    EXPECT_CALL(codec, Save(CodecFormat::Tiff, _, _, _)).WillOnce(writesEmpty(FileOutcome{}));
    EXPECT_EQ(Export(3, "C:\\s\\a.tif").reason, "The file is empty after writing.");
    EXPECT_EQ(files.files.count("C:\\s\\a.tif"), 0u);

    files.files["C:\\s\\a.mng"] = {1, 2, 3};
    files.writeFailure = "There is not enough space on the disk.";
    ON_CALL(codec, SaveToMemory).WillByDefault(::testing::Return(fakes::TinyPng(8, 8)));
    EXPECT_EQ(Export(4, "C:\\s\\a.mng").reason, "There is not enough space on the disk.");
    EXPECT_EQ(files.files.count("C:\\s\\a.mng"), 0u);
}

TEST_F(ImageExportTest, EachStepThatCannotBeDoneIsReportedWithTheFileItConcerns) {
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

TEST_F(ImageExportTest, AThumbnailKeepsAtLeastOnePixelASide) {
    shot = std::make_shared<fakes::FakePicture>(6, 3, 2);
    EXPECT_CALL(codec, Rescale(_, 1, 1, kRescaleBilinear));
    EXPECT_TRUE(Export(2, "C:\\s\\a.png", ThumbSize{1, 0}).ok);
}

}  // namespace
}  // namespace snapwright
