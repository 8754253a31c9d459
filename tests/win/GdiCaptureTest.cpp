#include "platform/win32/GdiCapture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "PixelTools.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::PaintPattern;
using snapwright::testing::PatternPixel;
using snapwright::testing::ReadPixels;

constexpr int kWidth = 240;
constexpr int kHeight = 160;

LRESULT CALLBACK PatternWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd, &paint);
        PaintPattern(dc, 0, 0, kWidth, kHeight);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// A borderless window showing the test pattern, in front of everything.
class PatternWindow {
public:
    PatternWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = PatternWindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SnapwrightPatternWindow";
        ::RegisterClassW(&windowClass);
        m_window = ::CreateWindowExW(WS_EX_TOPMOST, L"SnapwrightPatternWindow", L"pattern", WS_POPUP | WS_VISIBLE, 40,
                                     30, kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::UpdateWindow(m_window);
        PumpFor(300);
    }
    ~PatternWindow() { ::DestroyWindow(m_window); }
    HWND get() const { return m_window; }

    static void PumpFor(DWORD milliseconds) {
        const DWORD until = ::GetTickCount() + milliseconds;
        while (::GetTickCount() < until) {
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
            ::Sleep(10);
        }
    }

private:
    HWND m_window = nullptr;
};

int CountDifferent(const std::vector<std::uint32_t>& pixels, int width, int left, int top, int w, int h) {
    int different = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixels[static_cast<std::size_t>(top + y) * width + left + x] != PatternPixel(x, y)) ++different;
    return different;
}

TEST(GdiCapture, GrabWindowPictureCopiesAPaintedWindowPixelForPixel) {
    PatternWindow window;
    const PicturePtr picture = GrabWindowPicture(window.get(), true, 0, 0, kWidth, kHeight);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), kWidth);
    EXPECT_EQ(picture->Height(), kHeight);
    const GdiPicture* gdi = AsGdiPicture(picture.get());
    ASSERT_NE(gdi, nullptr);
    EXPECT_EQ(gdi->Palette(), nullptr) << "a true-colour display needs no palette";
    const auto pixels = ReadPixels(gdi->Bitmap());
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kWidth * kHeight));
    EXPECT_EQ(CountDifferent(pixels, kWidth, 0, 0, kWidth, kHeight), 0);

    // The whole-screen grab sees the same window at its place on the screen.
    GdiScreenCapture capture;
    const PicturePtr screen = capture.GrabWindowPicture(reinterpret_cast<WindowRef>(::GetDesktopWindow()), false,
                                                        Rect{0, 0, 400, 300});
    ASSERT_NE(screen, nullptr);
    const auto screenPixels = ReadPixels(AsGdiPicture(screen.get())->Bitmap());
    EXPECT_EQ(CountDifferent(screenPixels, 400, 40, 30, kWidth, kHeight), 0);
}

TEST(GdiCapture, FailedOrEmptyGrabsGiveNoPicture) {
    EXPECT_EQ(GrabWindowPicture(::GetDesktopWindow(), false, 0, 0, 0, 10), nullptr);
    EXPECT_EQ(DCToPicture(nullptr, 0, 0, 10, 10, 1.0f), nullptr);
}

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) {
        HDC screen = ::GetDC(nullptr);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    ~MemoryCanvas() {
        ::SelectObject(m_dc, m_previous);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};

TEST(GdiCapture, DCToPictureCopiesUnscaledAtOneAndFillsTheTopLeftQuarterAtOneHalf) {
    MemoryCanvas canvas(kWidth + 20, kHeight + 10);
    PaintPattern(canvas.dc(), 20, 10, kWidth, kHeight);

    const PicturePtr unscaled = DCToPicture(canvas.dc(), 20, 10, kWidth, kHeight, 1.0f);
    ASSERT_NE(unscaled, nullptr);
    const auto pixels = ReadPixels(AsGdiPicture(unscaled.get())->Bitmap());
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kWidth * kHeight));
    EXPECT_EQ(CountDifferent(pixels, kWidth, 0, 0, kWidth, kHeight), 0);

    // A white source makes the scaled image easy to tell from the untouched (black) rest.
    RECT all{0, 0, kWidth + 20, kHeight + 10};
    ::FillRect(canvas.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const PicturePtr half = DCToPicture(canvas.dc(), 20, 10, kWidth, kHeight, 0.5f);
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(half->Width(), kWidth) << "the bitmap keeps the unscaled size";
    EXPECT_EQ(half->Height(), kHeight);
    const auto halfPixels = ReadPixels(AsGdiPicture(half.get())->Bitmap());
    auto at = [&](int x, int y) { return halfPixels[static_cast<std::size_t>(y) * kWidth + x]; };
    int whiteInside = 0, blackOutside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inside = x < kWidth / 2 - 1 && y < kHeight / 2 - 1;
            const bool outside = x > kWidth / 2 || y > kHeight / 2;
            if (inside && at(x, y) == 0xFFFFFF) ++whiteInside;
            if (outside && at(x, y) == 0) ++blackOutside;
        }
    }
    EXPECT_EQ(whiteInside, (kWidth / 2 - 1) * (kHeight / 2 - 1));
    EXPECT_EQ(blackOutside, kWidth * kHeight - (kWidth / 2 + 1) * (kHeight / 2 + 1));
}

}  // namespace
}  // namespace snapwright::win32
