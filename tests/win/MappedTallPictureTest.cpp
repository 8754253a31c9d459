#include "capture/win32/MappedTallPicture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "PixelTools.h"
#include "platform/win32/GdiPicture.h"

// The scrolling capture's picture grows in memory that the system backs with its paging file and
// becomes a DIB section over the same memory; the e2e tests compare whole stitched pictures.
namespace snapwright::win32 {
namespace {

void WriteRow(std::uint8_t* row, int width, int y) {
    for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = testing::PatternPixel(x, y);
        row[3 * x] = static_cast<std::uint8_t>(pixel);
        row[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16);
    }
}

TEST(MappedTallPicture, TheRowsWrittenBecomeABottomUpPictureOfTheirHeightAndTheClipboardsLayout) {
    const int width = 333;  // rows padded to four bytes
    std::unique_ptr<MappedTallPicture> tall = MappedTallPicture::Make(width, 16384, 100);
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->Capacity(), 16384);
    for (int y = 0; y < 1500; ++y) WriteRow(tall->Row(y), width, y);
    const PicturePtr picture = tall->Finish(1500);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), width);
    EXPECT_EQ(picture->Height(), 1500);

    const GdiPicture* gdi = AsGdiPicture(picture.get());
    ASSERT_TRUE(gdi);
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectW(gdi->Bitmap(), sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBmih.biBitCount, 24);
    EXPECT_GT(section.dsBmih.biHeight, 0) << "bottom-up, copied to the clipboard as it is";

    const std::vector<std::uint32_t> pixels = testing::ReadPixels(gdi->Bitmap());
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width) * 1500);
    for (const int y : {0, 1, 749, 1499}) {
        for (const int x : {0, 1, 200, width - 1}) {
            EXPECT_EQ(pixels[static_cast<std::size_t>(y) * width + x], testing::PatternPixel(x, y)) << x << ", " << y;
        }
    }

    std::unique_ptr<MappedTallPicture> small = MappedTallPicture::Make(10, 5, 5);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Finish(6), nullptr) << "more rows than it holds";
    EXPECT_EQ(MappedTallPicture::Make(0, 100, 10), nullptr);
}

}  // namespace
}  // namespace snapwright::win32
