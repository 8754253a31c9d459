// The device-bitmap bridge with the real graphics system: painted bitmaps converted both ways,
// and the diagnostics of the failure paths. The drawing functions, which the program does not
// call, are left untested.
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

}  // namespace
}  // namespace snapwright::win32
