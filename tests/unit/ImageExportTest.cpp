#include "save/ImageExport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ImageExportTest : public ::testing::Test {
protected:
    ExportOutcome Export(int formatIndex, const std::string& path, std::optional<ThumbSize> thumbnail = std::nullopt) {
        return exporter.Export(kSaveFormats[static_cast<std::size_t>(formatIndex)], path, picture, thumbnail);
    }
    // Every export gives back what it took from the codec.
    void ExpectEverythingReleased() {
        EXPECT_THAT(codec.live, IsEmpty()) << "codec bitmaps still loaded";
        EXPECT_EQ(codec.initialised, 0) << "the codec is still initialised";
    }

    fakes::CallLog log;
    fakes::FakeFileSystem files{&log};
    fakes::RecordingCodec codec{files, log};
    fakes::FakeBitmapFileWriter bitmapFiles{files, log};
    ImageExport exporter{codec, bitmapFiles, files};
    PicturePtr picture = std::make_shared<fakes::FakePicture>(1024, 768, 1);
};

TEST_F(ImageExportTest, PngIsConvertedTo24BitsAndSavedWithDefaultFlags) {
    const ExportOutcome outcome = Export(2, "C:\\s\\a.png");
    EXPECT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_THAT(log, ElementsAre("Initialise", "FromPicture -> #1", "ConvertTo24Bits #1 -> #2",
                                 "Save 13 #2 C:\\s\\a.png flags 0", "Unload #1", "Unload #2", "DeInitialise"));
    EXPECT_EQ(codec.saved.at("C:\\s\\a.png").bpp, 24);
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, JpegTakesQuality90ForTheFileAndItsThumbnail) {
    const ExportOutcome outcome = Export(1, "C:\\s\\a.jpg", ThumbSize{102, 76});
    EXPECT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_THAT(log, ElementsAre("Initialise", "FromPicture -> #1", "ConvertTo24Bits #1 -> #2",
                                 "Save 2 #2 C:\\s\\a.jpg flags 90", "Rescale #2 102x76 filter 2 -> #3",
                                 "Save 2 #3 C:\\s\\a_thumb.jpg flags 90", "Unload #3", "Unload #1", "Unload #2",
                                 "DeInitialise"));
    EXPECT_EQ(codec.saved.at("C:\\s\\a_thumb.jpg").width, 102);
    EXPECT_EQ(codec.saved.at("C:\\s\\a_thumb.jpg").height, 76);
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, MngIsAPngInAnMngDatastreamWrittenByTheProgram) {
    const ExportOutcome outcome = Export(4, "C:\\s\\a.mng", ThumbSize{102, 76});
    EXPECT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_THAT(log, ElementsAre("Initialise", "FromPicture -> #1", "ConvertTo24Bits #1 -> #2",
                                 "SaveToMemory 13 #2 flags 0", "WriteFile C:\\s\\a.mng",
                                 "Rescale #2 102x76 filter 2 -> #3", "SaveToMemory 13 #3 flags 0",
                                 "WriteFile C:\\s\\a_thumb.mng", "Unload #3", "Unload #1", "Unload #2",
                                 "DeInitialise"));
    EXPECT_EQ(files.Bytes("C:\\s\\a.mng"), *WrapPngAsMng(fakes::TinyPng(1024, 768)));
    EXPECT_EQ(files.Bytes("C:\\s\\a_thumb.mng"), *WrapPngAsMng(fakes::TinyPng(102, 76)));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, BmpIsWrittenByThePictureAndOnlyTheThumbnailByTheCodec) {
    EXPECT_TRUE(Export(0, "C:\\s\\b.bmp", ThumbSize{102, 76}).ok);
    EXPECT_THAT(log, ElementsAre("SaveBitmapFile 1024x768 C:\\s\\b.bmp", "Initialise", "FromPicture -> #1",
                                 "ConvertTo24Bits #1 -> #2", "Rescale #2 102x76 filter 2 -> #3",
                                 "Save 0 #3 C:\\s\\b_thumb.bmp flags 0", "Unload #3", "Unload #1", "Unload #2",
                                 "DeInitialise"));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, AFailedSaveIsReportedWithItsPathAndLeavesNoEmptyFile) {
    codec.saveFailures["D:\\full\\a.png"] = "There is not enough space on the disk.";
    codec.leaveEmptyFileOnFailure = true;
    const ExportOutcome outcome = Export(2, "D:\\full\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "D:\\full\\a.png");
    EXPECT_EQ(outcome.reason, "There is not enough space on the disk.");
    EXPECT_FALSE(files.Has("D:\\full\\a.png"));
    // No thumbnail without its main file, and still everything given back.
    EXPECT_THAT(log, ::testing::Not(::testing::Contains(::testing::HasSubstr("Rescale"))));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, AFileTheFailedSaveNeverTouchedStays) {
    // An existing file that could not be opened for writing (read-only, locked) is the user's.
    files.Put("C:\\s\\a.png", {1, 2, 3});
    codec.saveFailures["C:\\s\\a.png"] = "Access is denied.";
    EXPECT_FALSE(Export(2, "C:\\s\\a.png").ok);
    ASSERT_TRUE(files.Has("C:\\s\\a.png"));
    EXPECT_EQ(files.Bytes("C:\\s\\a.png"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ImageExportTest, AnOverwrittenFileThatFailedHalfwayIsRemoved) {
    files.Put("C:\\s\\a.mng", {1, 2, 3});
    files.writeFailures["C:\\s\\a.mng"] = "There is not enough space on the disk.";
    const ExportOutcome outcome = Export(4, "C:\\s\\a.mng");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "There is not enough space on the disk.");
    EXPECT_FALSE(files.Has("C:\\s\\a.mng"));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, ASaveThatReportsSuccessButLeavesAnEmptyFileIsAFailure) {
    class EmptySavingCodec : public fakes::RecordingCodec {
    public:
        using RecordingCodec::RecordingCodec;
        FileOutcome Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) override {
            RecordingCodec::Save(format, bitmap, path, flags);
            files->Put(path, {});
            return {};
        }
        fakes::FakeFileSystem* files = nullptr;
    } emptySaving{files, log};
    emptySaving.files = &files;
    ImageExport exporterWithEmptyFiles(emptySaving, bitmapFiles, files);
    const ExportOutcome outcome = exporterWithEmptyFiles.Export(kSaveFormats[3], "C:\\s\\a.tif", picture, std::nullopt);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "The file is empty after writing.");
    EXPECT_FALSE(files.Has("C:\\s\\a.tif"));
}

TEST_F(ImageExportTest, APictureTheCodecCannotTakeIsReported) {
    codec.failFromPicture = true;
    const ExportOutcome outcome = Export(2, "C:\\s\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "C:\\s\\a.png");
    EXPECT_THAT(log, ElementsAre("Initialise", "FromPicture failed", "DeInitialise"));
}

TEST_F(ImageExportTest, AThumbnailThatCannotBeMadeIsReportedAndTheMainFileKept) {
    codec.failRescale = true;
    const ExportOutcome outcome = Export(2, "C:\\s\\a.png", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.path, "C:\\s\\a_thumb.png");
    EXPECT_TRUE(files.Has("C:\\s\\a.png"));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, AnMngWhosePngTheCodecCannotEncodeIsReported) {
    codec.failSaveToMemory = true;
    EXPECT_FALSE(Export(4, "C:\\s\\a.mng").ok);
    EXPECT_FALSE(files.Has("C:\\s\\a.mng"));
    ExpectEverythingReleased();
}

TEST_F(ImageExportTest, AFailedBitmapFileIsReportedWithoutThumbnail) {
    bitmapFiles.failure = "Access is denied.";
    const ExportOutcome outcome = Export(0, "C:\\s\\a.bmp", ThumbSize{102, 76});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "Access is denied.");
    EXPECT_THAT(log, ElementsAre("SaveBitmapFile 1024x768 C:\\s\\a.bmp"));
}

TEST_F(ImageExportTest, AThumbnailKeepsAtLeastOnePixelASide) {
    picture = std::make_shared<fakes::FakePicture>(6, 3, 2);
    EXPECT_TRUE(Export(2, "C:\\s\\a.png", ThumbSize{1, 0}).ok);
    EXPECT_THAT(log, ::testing::Contains("Rescale #2 1x1 filter 2 -> #3"));
}

TEST_F(ImageExportTest, NothingToSaveWithoutAPicture) {
    picture = nullptr;
    EXPECT_FALSE(Export(2, "C:\\s\\a.png").ok);
    EXPECT_THAT(log, IsEmpty());
}

}  // namespace
}  // namespace snapwright
