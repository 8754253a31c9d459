// The device-bitmap bridge with the real graphics system: painted bitmaps converted both ways
// and drawn, and the diagnostics of every failure path.
#include "save/win32/FreeImageBridge.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "PixelTools.h"
#include "platform/Diagnostics.h"

namespace snapwright::win32 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;
using testing::PaintPattern;
using testing::PatternPixel;
using testing::ReadPixels;

constexpr int kWidth = 37;
constexpr int kHeight = 23;

class FreeImageBridgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreeImage_Initialise(FALSE);
        SetDebugOutputSink([this](const std::string& text) { diagnostics.push_back(text); });
    }
    void TearDown() override {
        SetDebugOutputSink(nullptr);
        for (HGDIOBJ object : m_objects) ::DeleteObject(object);
        FreeImage_DeInitialise();
    }

    // A device bitmap compatible with the screen, painted with the test pattern.
    HBITMAP PaintedBitmap(int width = kWidth, int height = kHeight) {
        HDC screen = ::GetDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
        HDC memory = ::CreateCompatibleDC(screen);
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        PaintPattern(memory, 0, 0, width, height);
        ::SelectObject(memory, previous);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        return Keep(bitmap);
    }
    HBITMAP WhiteBitmap(int width, int height) {
        HBITMAP bitmap = PaintedBitmap(width, height);
        HDC memory = ::CreateCompatibleDC(nullptr);
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        ::PatBlt(memory, 0, 0, width, height, WHITENESS);
        ::SelectObject(memory, previous);
        ::DeleteDC(memory);
        return bitmap;
    }
    template <typename T>
    T Keep(T object) {
        m_objects.push_back(object);
        return object;
    }

    std::vector<std::string> diagnostics;

private:
    std::vector<HGDIOBJ> m_objects;
};

// The pixel (x, y) of a 32-bit codec bitmap as 0x00RRGGBB (its rows run bottom-up).
std::uint32_t DibPixel(FIBITMAP* dib, int x, int y) {
    const BYTE* line = FreeImage_GetScanLine(dib, static_cast<int>(FreeImage_GetHeight(dib)) - 1 - y);
    const BYTE* p = line + x * 4;
    return static_cast<std::uint32_t>(p[FI_RGBA_RED]) << 16 | static_cast<std::uint32_t>(p[FI_RGBA_GREEN]) << 8 |
           p[FI_RGBA_BLUE];
}

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

// A memory context with a bitmap of its own selected, to draw into and read back.
class Canvas {
public:
    Canvas(HBITMAP bitmap) : m_bitmap(bitmap), m_dc(::CreateCompatibleDC(nullptr)) {
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    std::vector<std::uint32_t> Pixels() {
        ::SelectObject(m_dc, m_previous);
        std::vector<std::uint32_t> pixels = ReadPixels(m_bitmap);
        ::SelectObject(m_dc, m_bitmap);
        return pixels;
    }

private:
    HBITMAP m_bitmap;
    HDC m_dc;
    HGDIOBJ m_previous;
};

// --- DibFromBitmap ------------------------------------------------------------

TEST_F(FreeImageBridgeTest, DibFromBmpEqualsThePaintedBitmapPixelForPixel) {
    FIBITMAP* dib = nullptr;
    ASSERT_TRUE(DibFromBitmap(PaintedBitmap(), dib));
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(dib), 32u);
    ASSERT_EQ(FreeImage_GetWidth(dib), static_cast<unsigned>(kWidth));
    ASSERT_EQ(FreeImage_GetHeight(dib), static_cast<unsigned>(kHeight));
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) mismatches += DibPixel(dib, x, y) != PatternPixel(x, y);
    EXPECT_EQ(mismatches, 0);
    EXPECT_THAT(diagnostics, IsEmpty());
    FreeImage_Unload(dib);
}

TEST_F(FreeImageBridgeTest, DibFromBmpReleasesTheInOutBitmapFirstEvenWhenItFails) {
    // A codec bitmap of 64 MB: its release shows in the process's working set.
    FIBITMAP* dib = FreeImage_Allocate(4096, 4096, 32);
    ASSERT_NE(dib, nullptr);
    const SIZE_T withBitmap = WorkingSet();
    EXPECT_FALSE(DibFromBitmap(nullptr, dib));
    EXPECT_EQ(dib, nullptr);
    EXPECT_LT(WorkingSet() + 48 * 1024 * 1024, withBitmap) << "the 64 MB bitmap is still there";
    EXPECT_THAT(diagnostics, ElementsAre("[DibFromBitmap] No bitmap specified to convert"));

    // A bitmap that is set is replaced by the new one on success, too.
    dib = FreeImage_Allocate(8, 8, 24);
    ASSERT_TRUE(DibFromBitmap(PaintedBitmap(), dib));
    EXPECT_EQ(FreeImage_GetWidth(dib), static_cast<unsigned>(kWidth));
    FreeImage_Unload(dib);
}

TEST_F(FreeImageBridgeTest, DibFromBmpOfAHandleThatIsNoBitmapReportsTheSystemError) {
    FIBITMAP* dib = nullptr;
    HBRUSH brush = Keep(::CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_FALSE(DibFromBitmap(reinterpret_cast<HBITMAP>(brush), dib));
    HBITMAP deleted = ::CreateBitmap(4, 4, 1, 32, nullptr);
    ::DeleteObject(deleted);
    EXPECT_FALSE(DibFromBitmap(deleted, dib));
    EXPECT_EQ(dib, nullptr);
    ASSERT_EQ(diagnostics.size(), 2u);
    for (const std::string& text : diagnostics) {
        EXPECT_THAT(text, MatchesRegex("\\[DibFromBitmap\\] GetObjectAPI failed with error code \\d+"));
    }
}

// --- BitmapFromDib ------------------------------------------------------------

TEST_F(FreeImageBridgeTest, BmpFromDibGivesTheSamePixelsAndDeletesTheOldBitmap) {
    FIBITMAP* dib = nullptr;
    ASSERT_TRUE(DibFromBitmap(PaintedBitmap(), dib));
    HBITMAP old = ::CreateBitmap(2, 2, 1, 32, nullptr);
    HBITMAP bitmap = old;
    ASSERT_TRUE(BitmapFromDib(dib, bitmap));
    Keep(bitmap);
    EXPECT_NE(bitmap, old);
    EXPECT_EQ(::GetObjectType(old), 0u) << "the in/out bitmap was deleted";
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) expected.push_back(PatternPixel(x, y));
    EXPECT_EQ(ReadPixels(bitmap), expected);
    FreeImage_Unload(dib);
    EXPECT_THAT(diagnostics, IsEmpty());
}

TEST_F(FreeImageBridgeTest, BmpFromDibWithoutADibDeletesTheInOutBitmapAndReports) {
    HBITMAP old = ::CreateBitmap(2, 2, 1, 32, nullptr);
    HBITMAP bitmap = old;
    EXPECT_FALSE(BitmapFromDib(nullptr, bitmap));
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_EQ(::GetObjectType(old), 0u);
    EXPECT_THAT(diagnostics, ElementsAre("[BitmapFromDib] No DIB specified to convert"));
}

// --- width and height --------------------------------------------------------------------

TEST_F(FreeImageBridgeTest, BitmapWidthAndHeightWithTheirFailures) {
    EXPECT_EQ(BitmapWidth(PaintedBitmap()), kWidth);
    EXPECT_EQ(BitmapHeight(PaintedBitmap()), kHeight);

    HBITMAP brush = reinterpret_cast<HBITMAP>(Keep(::CreateSolidBrush(RGB(1, 2, 3))));
    EXPECT_EQ(BitmapWidth(nullptr), 0);
    EXPECT_EQ(BitmapWidth(brush), 0);
    EXPECT_EQ(BitmapHeight(nullptr), 0);
    EXPECT_EQ(BitmapHeight(brush), 0);
    EXPECT_THAT(diagnostics, ElementsAre("[BitmapWidth] No bitmap specified to get the info for",
                                         "[BitmapWidth] Handle specified is not a valid BITMAP",
                                         "[BitmapHeight] No bitmap specified to get the info for",
                                         "[BitmapHeight] Handle specified is not a valid BITMAP"));
}

// --- RenderBitmap ----------------------------------------------------------------

TEST_F(FreeImageBridgeTest, RenderBitmapWithWidthZeroDrawsTheWholeBitmapAndInvertInverts) {
    HBITMAP picture = PaintedBitmap();
    constexpr int kLeft = 5;
    constexpr int kTop = 7;
    constexpr int kCanvasWidth = 60;
    for (bool invert : {false, true}) {
        Canvas canvas(WhiteBitmap(kCanvasWidth, 40));
        ASSERT_TRUE(RenderBitmap(picture, canvas.dc(), kLeft, kTop, 0, -1, invert));
        const std::vector<std::uint32_t> pixels = canvas.Pixels();
        int mismatches = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < kCanvasWidth; ++x) {
                const bool inside = x >= kLeft && x < kLeft + kWidth && y >= kTop && y < kTop + kHeight;
                std::uint32_t expected = 0xFFFFFF;
                if (inside) {
                    expected = PatternPixel(x - kLeft, y - kTop);
                    if (invert) expected = ~expected & 0xFFFFFF;
                }
                mismatches += pixels[static_cast<std::size_t>(y) * kCanvasWidth + x] != expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << (invert ? "inverted" : "plain");
    }
    // The caller's bitmap is neither deleted nor left selected anywhere.
    EXPECT_EQ(::GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
    HDC other = ::CreateCompatibleDC(nullptr);
    EXPECT_NE(::SelectObject(other, picture), nullptr);
    ::DeleteDC(other);
    EXPECT_THAT(diagnostics, IsEmpty());
}

TEST_F(FreeImageBridgeTest, RenderBitmapWithASizeDrawsOnlyThatPart) {
    Canvas canvas(WhiteBitmap(20, 20));
    ASSERT_TRUE(RenderBitmap(PaintedBitmap(), canvas.dc(), 0, 0, 10, 5, false));
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    EXPECT_EQ(pixels[4 * 20 + 9], PatternPixel(9, 4));
    EXPECT_EQ(pixels[4 * 20 + 10], 0xFFFFFFu);
    EXPECT_EQ(pixels[5 * 20 + 9], 0xFFFFFFu);
}

TEST_F(FreeImageBridgeTest, RenderBitmapFailuresAreReported) {
    Canvas canvas(WhiteBitmap(8, 8));
    HBITMAP picture = PaintedBitmap();
    HBITMAP brush = reinterpret_cast<HBITMAP>(Keep(::CreateSolidBrush(RGB(1, 2, 3))));
    EXPECT_FALSE(RenderBitmap(nullptr, canvas.dc(), 0, 0, 0, 0, false));
    EXPECT_FALSE(RenderBitmap(brush, canvas.dc(), 0, 0, 0, 0, false));
    EXPECT_FALSE(RenderBitmap(picture, nullptr, 0, 0, 0, 0, false));
    EXPECT_FALSE(RenderBitmap(picture, reinterpret_cast<HDC>(picture), 0, 0, 0, 0, false));
    EXPECT_THAT(diagnostics, ElementsAre("[RenderBitmap] No bitmap specified to render",
                                         "[RenderBitmap] Handle specified is not a valid BITMAP",
                                         "[RenderBitmap] DC specified is not valid",
                                         "[RenderBitmap] DC specified is not valid"));
}

// --- RenderDib -------------------------------------------------------------------

TEST_F(FreeImageBridgeTest, RenderDibDrawsTheCodecBitmap) {
    FIBITMAP* dib = nullptr;
    ASSERT_TRUE(DibFromBitmap(PaintedBitmap(), dib));
    Canvas canvas(WhiteBitmap(50, 30));
    ASSERT_TRUE(RenderDib(dib, canvas.dc(), 3, 4, -1, 0));
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (pixels[static_cast<std::size_t>(y + 4) * 50 + x + 3] != PatternPixel(x, y)) ++mismatches;
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(pixels[0], 0xFFFFFFu);

    EXPECT_FALSE(RenderDib(nullptr, canvas.dc(), 0, 0, 0, 0));
    EXPECT_FALSE(RenderDib(dib, nullptr, 0, 0, 0, 0));
    EXPECT_THAT(diagnostics, ElementsAre("[RenderDib] No DIB specified to render",
                                         "[RenderDib] DC specified was invalid"));
    FreeImage_Unload(dib);
}

// --- memory contexts -----------------------------------------------------------------------

TEST_F(FreeImageBridgeTest, DestroyMemDcPutsThePreviousObjectBackAndDeletesWhatItReplaced) {
    HDC dc = reinterpret_cast<HDC>(1);
    ASSERT_TRUE(CreateMemoryDc(dc));
    EXPECT_EQ(::GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    HBITMAP selected = ::CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ previous = ::SelectObject(dc, selected);
    ASSERT_NE(previous, nullptr);
    EXPECT_TRUE(DestroyMemoryDc(dc, previous));
    EXPECT_EQ(dc, nullptr);
    EXPECT_EQ(previous, nullptr);
    EXPECT_EQ(::GetObjectType(selected), 0u) << "the bitmap that was selected is deleted";

    // Without a previous object only the context goes.
    ASSERT_TRUE(CreateMemoryDc(dc));
    HGDIOBJ nothing = nullptr;
    EXPECT_TRUE(DestroyMemoryDc(dc, nothing));
    EXPECT_EQ(dc, nullptr);
}

}  // namespace
}  // namespace snapwright::win32
