#include "save/ThumbnailSize.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(ThumbnailSizeTest, LandscapeScalesTheWidthAndRoundsHalvesToEven) {
    // 153.6 -> 154; 154 * 768 / 1024 = 115.5 -> 116, the even neighbour.
    EXPECT_EQ(ThumbnailSize(15, 1024, 768), (ThumbSize{154, 116}));
    // 102.4 -> 102; 76.5 -> 76, the even neighbour, not 77.
    EXPECT_EQ(ThumbnailSize(10, 1024, 768), (ThumbSize{102, 76}));
    // 128 / 1.25 = 102.4 -> 102.
    EXPECT_EQ(ThumbnailSize(10, 1280, 1024), (ThumbSize{128, 102}));
    EXPECT_EQ(ThumbnailSize(10, 1025, 100).width, 102);  // 102.5 -> 102
}

TEST(ThumbnailSizeTest, PortraitAndSquareScaleTheHeight) {
    EXPECT_EQ(ThumbnailSize(50, 600, 800), (ThumbSize{300, 400}));
    EXPECT_EQ(ThumbnailSize(10, 500, 500), (ThumbSize{50, 50}));
    // 10 % of 75 = 7.5 -> 8 (even); 8 * 40 / 75 = 4.27 -> 4.
    EXPECT_EQ(ThumbnailSize(10, 40, 75), (ThumbSize{4, 8}));
    // 10 % of 85 = 8.5 -> 8 (even).
    EXPECT_EQ(ThumbnailSize(10, 40, 85).height, 8);
}

TEST(ThumbnailSizeTest, TinyAndEmptyPictures) {
    EXPECT_EQ(ThumbnailSize(10, 4, 3), (ThumbSize{0, 0}));
    EXPECT_EQ(ThumbnailSize(10, 0, 768), (ThumbSize{0, 0}));
    EXPECT_EQ(ThumbnailSize(10, 1024, 0), (ThumbSize{0, 0}));
}

}  // namespace
}  // namespace snapwright
