#include "save/PictureLimits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeSavePorts.h"
#include "save/ImageLoad.h"

namespace snapwright {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Return;

constexpr std::uint64_t kPlenty = std::uint64_t{1} << 40;

TEST(PictureLimitsTest, ScreensAndPhotosPassAndNoSideMayExceedTheLimitWhateverTheMemory) {
    EXPECT_THAT(PictureRefusal({11520, 2160, 32}, kPlenty), IsEmpty()) << "three 4K monitors";
    EXPECT_THAT(PictureRefusal({14204, 10652, 48}, kPlenty), IsEmpty()) << "a 150-megapixel photo";
    EXPECT_THAT(PictureRefusal({16384, 16384, 24}, kPlenty), IsEmpty());
    EXPECT_EQ(PictureRefusal({60000, 60000, 24}, kPlenty),
              "The picture is 60000 \u00d7 60000 pixels. Snapwright opens pictures of up to 16384 pixels a side.");
    EXPECT_THAT(PictureRefusal({16385, 1, 8}, kPlenty), HasSubstr("16385 \u00d7 1 pixels"));
    EXPECT_THAT(PictureRefusal({1, 16385, 8}, kPlenty), HasSubstr("1 \u00d7 16385 pixels"));
    EXPECT_THAT(PictureRefusal({0, 100, 24}, kPlenty), HasSubstr("no size"));
}

// 10000 x 10000 at 24 bits: 300 MB decoded, 300 MB in 24 bits and 400 MB as a device bitmap.
TEST(PictureLimitsTest, APictureWhoseDecodingDoesNotFitTheFreeMemoryIsRefusedWithWhatItNeeds) {
    const ImageHeader header{10000, 10000, 24};
    EXPECT_EQ(BytesToLoad(header), 1'000'000'000u);
    EXPECT_THAT(PictureRefusal(header, 1'000'000'000), IsEmpty());
    EXPECT_EQ(PictureRefusal(header, 999'999'999),
              "The picture is 10000 \u00d7 10000 pixels and needs about 954 MB of memory to open, more than "
              "Snapwright can get now.");
    EXPECT_EQ(BytesToLoad({10000, 10000, 64}), 1'500'000'000u) << "16 bits a sample take twice the room";
    EXPECT_EQ(BytesToLoad({3, 1, 1}), 1u + 21u) << "a row of 1-bit pixels takes a whole byte";
}

// A refused header keeps the decoder from the file: nothing is allocated for its pixels.
TEST(PictureLimitsTest, LoadingReadsTheHeaderFirstAndDecodesNoPictureItRefuses) {
    ::testing::NiceMock<fakes::MockCodec> codec;
    fakes::FakeFileSystem files;
    codec.WorkInto(files);
    ON_CALL(codec, GetFileType).WillByDefault(Return(CodecFormat::Png));
    EXPECT_CALL(codec, Load).Times(0);

    EXPECT_CALL(codec, ReadHeader(CodecFormat::Png, "huge.png")).WillOnce(Return(ImageHeader{60000, 60000, 24}));
    EXPECT_THAT(LoadPictureFile(codec, "huge.png", kPlenty).reason, HasSubstr("60000 \u00d7 60000 pixels"));
    EXPECT_CALL(codec, ReadHeader(CodecFormat::Png, "big.png")).WillOnce(Return(ImageHeader{8000, 8000, 24}));
    EXPECT_THAT(LoadPictureFile(codec, "big.png", 100'000'000).reason, HasSubstr("MB of memory"));
    EXPECT_CALL(codec, ReadHeader(CodecFormat::Png, "cut.png")).WillOnce(Return(std::nullopt));
    EXPECT_THAT(LoadPictureFile(codec, "cut.png", kPlenty).reason, HasSubstr("may be damaged"));
    EXPECT_EQ(codec.initialised, 0);
}

}  // namespace
}  // namespace snapwright
