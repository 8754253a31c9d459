#include "save/ThumbnailSize.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

// The e2e tests see 102 x 76 px and 256 x 192 px of a landscape screen: halves to even.
TEST(ThumbnailSizeTest, PortraitAndSquareScaleTheHeight) {
    EXPECT_EQ(ThumbnailSize(50, 600, 800), (ThumbSize{300, 400}));
    EXPECT_EQ(ThumbnailSize(10, 500, 500), (ThumbSize{50, 50}));
    // 10 % of 75 = 7.5 -> 8 (even); 8 * 40 / 75 = 4.27 -> 4.
    EXPECT_EQ(ThumbnailSize(10, 40, 75), (ThumbSize{4, 8}));
    // 10 % of 85 = 8.5 -> 8 (even).
    EXPECT_EQ(ThumbnailSize(10, 40, 85).height, 8);
}

}  // namespace
}  // namespace snapwright
