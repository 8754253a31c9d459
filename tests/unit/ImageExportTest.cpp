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

std::string Reason(const ExportOutcome& outcome) {
    return UserText(outcome.reason, 0);
}

// A save that fails, one that reports success but leaves an empty file, and an MNG that fails half-way
// over an older file: each reported with its path and reason, and neither file nor thumbnail left,
// the older file as it was.
TEST_F(ImageExportTest, AFailedOrEmptySaveIsReportedWithItsPathAndLeavesNoFileAndNoThumbnail) {
    const auto writesEmpty = [this](FileOutcome outcome) {
        return [this, outcome](CodecFormat, CodecBitmap, const std::string& path, int) {
            files.files[path] = {};
            return outcome;
        };
    };
    files.folders = {"D:\\full", "C:\\s"};
    EXPECT_CALL(codec, Save(CodecFormat::Png, _, ::testing::StartsWith("D:\\full\\"), 0))
        .WillOnce(writesEmpty(FileOutcome::Failure("There is not enough space on the disk.")));
    EXPECT_CALL(codec, Rescale).Times(0);
    const ExportOutcome outcome = Export(2, "D:\\full\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "D:\\full\\a.png");
    EXPECT_EQ(Reason(outcome), "There is not enough space on the disk.");
    EXPECT_TRUE(files.files.empty());

    EXPECT_CALL(codec, Save(CodecFormat::Tiff, _, _, _)).WillOnce(writesEmpty(FileOutcome{}));
    EXPECT_EQ(Reason(Export(3, "C:\\s\\a.tif")), "The file is empty after writing.");
    EXPECT_TRUE(files.files.empty());

    files.files["C:\\s\\a.mng"] = {1, 2, 3};
    files.writeFailure = "There is not enough space on the disk.";
    ON_CALL(codec, SaveToMemory).WillByDefault(::testing::Return(fakes::TinyPng(8, 8)));
    EXPECT_EQ(Reason(Export(4, "C:\\s\\a.mng")), "There is not enough space on the disk.");
    EXPECT_EQ(files.files, (std::map<std::string, std::vector<std::uint8_t>>{{"C:\\s\\a.mng", {1, 2, 3}}}));
}

// Either both files are written or neither: a thumbnail that fails takes its main file with it, and
// files of those names stay as they were until both new ones are whole.
TEST_F(ImageExportTest, EachStepThatCannotBeDoneIsReportedWithTheFileItConcernsAndLeavesNeitherFile) {
    files.folders = {"C:\\s"};
    EXPECT_CALL(codec, FromPicture).WillOnce(::testing::Return(0)).WillRepeatedly(::testing::DoDefault());
    EXPECT_EQ(Export(2, "C:\\s\\a.png", ThumbSize{102, 76}).path, "C:\\s\\a.png") << "picture the codec cannot take";

    EXPECT_CALL(codec, Rescale).WillOnce(::testing::Return(0)).WillRepeatedly(::testing::DoDefault());
    const ExportOutcome thumbnail = Export(2, "C:\\s\\b.png", ThumbSize{102, 76});
    EXPECT_EQ(thumbnail.path, "C:\\s\\b_thumb.png");
    EXPECT_EQ(Reason(thumbnail), "The image library could not scale the picture down to a thumbnail.");
    EXPECT_TRUE(files.files.empty()) << "no main file without its thumbnail";

    files.files["C:\\s\\c.png"] = {'o', 'l', 'd'};
    files.files["C:\\s\\c_thumb.png"] = {'o', 'l', 'd'};
    files.renameFailsOnto = "C:\\s\\c_thumb.png";
    EXPECT_EQ(Reason(Export(2, "C:\\s\\c.png", ThumbSize{102, 76})), "Access is denied.");
    EXPECT_EQ(files.files.size(), 2u) << "no file left waiting";
    EXPECT_EQ(files.files["C:\\s\\c_thumb.png"], (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    files.files.clear();
    EXPECT_FALSE(Export(2, "C:\\s\\c.png", ThumbSize{102, 76}).ok);
    EXPECT_TRUE(files.files.empty()) << "a new main file goes again when its thumbnail cannot take its name";

    EXPECT_FALSE(Export(4, "C:\\s\\c.mng").ok) << "an MNG whose PNG cannot be encoded";
    EXPECT_TRUE(files.files.empty());

    EXPECT_CALL(bitmapFiles, SaveBitmapFile).WillOnce(::testing::Return(FileOutcome::Failure("Access is denied.")));
    EXPECT_CALL(codec, Initialise).Times(0);
    EXPECT_EQ(Reason(Export(0, "C:\\s\\d.bmp", ThumbSize{102, 76})), "Access is denied.") << "no thumbnail either";

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
