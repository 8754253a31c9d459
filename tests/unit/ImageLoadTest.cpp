#include "save/ImageLoad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

using ::testing::ElementsAre;

class ImageLoadTest : public ::testing::Test {
protected:
    fakes::CallLog log;
    fakes::FakeFileSystem files{&log};
    fakes::RecordingCodec codec{files, log};
};

TEST_F(ImageLoadTest, AFileOfAKnownTypeBecomesAPicture) {
    codec.fileType = CodecFormat::Jpeg;
    codec.toPicture = std::make_shared<fakes::FakePicture>(8, 8, 7);
    const PicturePtr picture = LoadPictureFile(codec, "C:\\shots\\a.jpg").picture;
    EXPECT_EQ(fakes::SerialOf(picture), 7);
    EXPECT_THAT(log, ElementsAre("Initialise", "GetFileType C:\\shots\\a.jpg", "Load 2 C:\\shots\\a.jpg flags 0 -> #1",
                                 "ConvertTo24Bits #1 -> #2", "ToPicture #2", "Unload #2", "Unload #1", "DeInitialise"));
    EXPECT_TRUE(codec.live.empty());
}

TEST_F(ImageLoadTest, AnUnknownFileIsNotLoaded) {
    codec.fileType = CodecFormat::Unknown;
    EXPECT_EQ(LoadPictureFile(codec, "C:\\notes.txt").picture, nullptr);
    EXPECT_THAT(log, ElementsAre("Initialise", "GetFileType C:\\notes.txt", "DeInitialise"));
}

TEST_F(ImageLoadTest, AFileThatDoesNotDecodeGivesNoPicture) {
    codec.failLoad = true;
    EXPECT_EQ(LoadPictureFile(codec, "C:\\broken.png").picture, nullptr);
    EXPECT_THAT(log, ElementsAre("Initialise", "GetFileType C:\\broken.png", "Load 13 C:\\broken.png flags 0 -> #0",
                                 "DeInitialise"));
}

}  // namespace
}  // namespace snapwright
