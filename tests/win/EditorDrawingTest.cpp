#include <gtest/gtest.h>
#include <windows.h>

#include "PixelTools.h"
#include "editor/EditorControls.h"
#include "editor/win32/EditorWindow.h"
#include "editor/win32/GdiDrawing.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PaintPattern;
using snapwright::testing::PatternPixel;
using snapwright::testing::ReadPixels;

constexpr Colour kRed = 0x0000FF;        // as GDI takes it
constexpr std::uint32_t kRedPixel = 0xFF0000;  // as a DIB holds it

PicturePtr PatternPicture(int width, int height) {
    const WindowDc screen(nullptr, false);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    UniqueHbitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    {
        ScopedSelectObject selected(dc.get(), bitmap.get());
        PaintPattern(dc.get(), 0, 0, width, height);
    }
    return BitmapToPicture(bitmap.release(), nullptr);
}

std::vector<std::uint32_t> PixelsOf(const PicturePtr& picture) {
    return picture ? ReadPixels(AsGdiPicture(picture.get())->Bitmap()) : std::vector<std::uint32_t>{};
}

// Ten rings outside the rectangle (10,10)-(20,15) are exactly its frame, and nothing else changes.
TEST(EditorDrawingTest, FrameRingsCoverExactlyThePixelsOutsideTheCorners) {
    const PicturePtr source = PatternPicture(40, 30);
    GdiWorkingPicture work(*source);
    for (int i = 3; i >= 1; --i) work.Rectangle({10 - i, 10 - i}, {20 + i, 15 + i}, kRed);
    const std::vector<std::uint32_t> pixels = PixelsOf(work.CopyOut({0, 0, 40, 30}));
    ASSERT_EQ(pixels.size(), 40u * 30u);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inBand = x >= 7 && x <= 23 && y >= 7 && y <= 18;
            const bool inside = x >= 10 && x <= 20 && y >= 10 && y <= 15;
            const std::uint32_t expected = inBand && !inside ? kRedPixel : PatternPixel(x, y);
            ASSERT_EQ(pixels[static_cast<std::size_t>(y) * 40 + x], expected) << x << "," << y;
        }
    }
}

TEST(EditorDrawingTest, CropCopiesAndInsetEnlargesTheSourcePixels) {
    const PicturePtr source = PatternPicture(40, 30);
    GdiWorkingPicture work(*source);
    const PicturePtr cropped = work.CopyOut({5, 4, 20, 10});
    const std::vector<std::uint32_t> crop = PixelsOf(cropped);
    ASSERT_EQ(crop.size(), 200u);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(crop[static_cast<std::size_t>(y) * 20 + x], PatternPixel(x + 5, y + 4));

    // A 4 x 4 region enlarged 1.5 times: each pixel of the inset is the region's pixel beneath it.
    const PicturePtr region = work.CopyOut({2, 3, 4, 4});
    work.StretchPicture(*region, {30, 20, 6, 6});
    const std::vector<std::uint32_t> pixels = PixelsOf(work.CopyOut({30, 20, 6, 6}));
    ASSERT_EQ(pixels.size(), 36u);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixels[static_cast<std::size_t>(y) * 6 + x], PatternPixel(2 + x * 2 / 3, 3 + y * 2 / 3)) << x << "," << y;
}

TEST(EditorWindowTest, TheViewShowsThePictureOneToOneFromTheOffset) {
    EditorWindow window(::GetModuleHandleW(nullptr), nullptr);
    window.Show();
    window.SetViewPicture(PatternPicture(300, 200));
    window.SetControlBounds(Id(EditorControl::View), {4, 40, 120, 80});
    window.PaintView({50, 30});
    const std::vector<std::uint32_t> shown = PixelsOf(window.CopyFromView({0, 0, 120, 80}));
    ASSERT_EQ(shown.size(), 120u * 80u);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_EQ(shown[static_cast<std::size_t>(y) * 120 + x], PatternPixel(x + 50, y + 30));
    window.Unload();
}

}  // namespace
}  // namespace snapwright::win32
