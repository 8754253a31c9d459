#include "save/PictureLimits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeSavePorts.h"
#include "save/ImageLoad.h"

namespace snapwright {
namespace {

using ::testing::HasSubstr;
using ::testing::Return;

constexpr std::uint64_t kPlenty = std::uint64_t{1} << 40;

// The refusal as an English reader sees it; empty when the picture may be loaded.
std::string Refusal(const ImageHeader& header, std::uint64_t availableBytes) {
    const std::optional<Message> refusal = PictureRefusal(header, availableBytes);
    return refusal ? UserText(*refusal, 0) : "";
}

// 10000 x 10000 at 24 bits: 300 MB decoded, 300 MB in 24 bits and 400 MB as a device bitmap.
TEST(PictureLimitsTest, ScreensAndPhotosPassWhileOversizedSidesAndPicturesBeyondTheFreeMemoryAreRefused) {
    EXPECT_EQ(Refusal({11520, 2160, 32}, kPlenty) + Refusal({16384, 16384, 48}, kPlenty), "");
    EXPECT_EQ(Refusal({60000, 60000, 24}, kPlenty),
              "The picture is 60000 \u00d7 60000 pixels. Snapwright opens pictures of up to 16384 pixels a side.");
    EXPECT_THAT(Refusal({1, 16385, 8}, kPlenty), HasSubstr("1 \u00d7 16385 pixels"));
    EXPECT_EQ(Refusal({10000, 10000, 24}, 1'000'000'000), "");
    EXPECT_EQ(Refusal({10000, 10000, 24}, 999'999'999),
              "The picture is 10000 \u00d7 10000 pixels and needs about 954 MB of memory to open, more than "
              "Snapwright can get now.");
    EXPECT_EQ(BytesToLoad({10000, 10000, 64}), 1'500'000'000u) << "16 bits a sample take twice the room";
}

// A refused or unreadable header keeps the decoder from the file.
TEST(PictureLimitsTest, LoadingReadsTheHeaderFirstAndDecodesNoPictureItRefuses) {
    ::testing::NiceMock<fakes::MockCodec> codec;
    ON_CALL(codec, GetFileType).WillByDefault(Return(CodecFormat::Png));
    EXPECT_CALL(codec, ReadHeader).WillOnce(Return(ImageHeader{60000, 60000, 24})).WillOnce(Return(std::nullopt));
    EXPECT_CALL(codec, Load).Times(0);
    EXPECT_THAT(UserText(LoadPictureFile(codec, "huge.png", kPlenty).reason, 0), HasSubstr("60000 \u00d7 60000 pixels"));
    EXPECT_EQ(LoadPictureFile(codec, "cut.png", kPlenty).reason.id, TextId::DamagedPictureReason);
}

}  // namespace
}  // namespace snapwright
