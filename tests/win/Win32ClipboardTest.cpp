#include "platform/win32/Win32Clipboard.h"

#include <windows.h>  // before FreeImage.h, which otherwise defines BYTE, DWORD ... itself

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "PixelTools.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPicture.h"
#include "save/ImageExport.h"
#include "save/win32/Win32FreeImageCodec.h"

namespace snapwright::win32 {
namespace {

using Pixels = std::vector<std::uint32_t>;
constexpr int kWidth = 61;  // rows of 183 bytes, which a packed DIB pads to 184
constexpr int kHeight = 40;

PicturePtr PatternPicture(bool deviceBitmap) {
    return testing::PatternPicture(kWidth, kHeight, deviceBitmap);
}

// The clipboard as another program reads it: the DIB's header, the bitmap the system makes from
// the DIB, and the PNG decoded by FreeImage.
struct Contents {
    BITMAPINFOHEADER dib{};
    Pixels bitmap, png;
};

Contents ReadClipboard() {
    Contents contents;
    if (!::OpenClipboard(nullptr)) return contents;
    HANDLE dib = ::GetClipboardData(CF_DIB);
    if (const auto* header = dib ? static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib)) : nullptr) {
        contents.dib = *header;
        ::GlobalUnlock(dib);
    }
    if (HANDLE bitmap = ::GetClipboardData(CF_BITMAP)) contents.bitmap = testing::ReadPixels(static_cast<HBITMAP>(bitmap));
    if (HANDLE png = ::GetClipboardData(::RegisterClipboardFormatW(L"PNG"))) {
        FreeImage_Initialise(FALSE);
        FIMEMORY* memory = FreeImage_OpenMemory(static_cast<BYTE*>(::GlobalLock(png)), ::GlobalSize(png));
        FIBITMAP* decoded = FreeImage_LoadFromMemory(FIF_PNG, memory);
        FIBITMAP* rgb = decoded ? FreeImage_ConvertTo32Bits(decoded) : nullptr;
        // FreeImage keeps the bottom row first.
        for (int y = rgb ? static_cast<int>(FreeImage_GetHeight(rgb)) - 1 : -1; y >= 0; --y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(FreeImage_GetScanLine(rgb, y));
            for (unsigned x = 0; x < FreeImage_GetWidth(rgb); ++x) contents.png.push_back(row[x] & 0xFFFFFF);
        }
        FreeImage_Unload(rgb);
        FreeImage_Unload(decoded);
        FreeImage_CloseMemory(memory);
        ::GlobalUnlock(png);
        FreeImage_DeInitialise();
    }
    ::CloseClipboard();
    return contents;
}

// Runs an action while another thread pastes the PNG: it opens the clipboard first and then asks
// for the PNG, which makes the system ask the clipboard's window to render it and wait for that
// with the clipboard held open. Gives the size of the pasted PNG, 0 when the paste got nothing.
SIZE_T PasteThePngDuring(const std::function<void()>& action) {
    UniqueKernelHandle opened(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<bool> done = false;
    SIZE_T pasted = 0;
    std::thread paster([&] {
        if (::OpenClipboard(nullptr)) {
            ::SetEvent(opened.get());
            if (HANDLE png = ::GetClipboardData(::RegisterClipboardFormatW(L"PNG"))) pasted = ::GlobalSize(png);
            ::CloseClipboard();
        }
        ::SetEvent(opened.get());
        done = true;
    });
    ::WaitForSingleObject(opened.get(), 5000);
    action();
    // Whatever the action did, the paster is answered before it is waited for.
    for (int waited = 0; !done && waited < 10000; waited += 10) {
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        ::Sleep(10);
    }
    paster.join();
    return pasted;
}

class Win32ClipboardTest : public ::testing::Test {
protected:
    Win32Clipboard::PngEncoder CountingEncoder() {
        return [this](const Picture& picture) {
            ++encodings;
            return EncodePng(codec, picture, 0);
        };
    }
    Win32FreeImageCodec codec;
    int encodings = 0;
    Pixels pattern = testing::PatternPixels(kWidth, kHeight);
};

// The e2e tests compare the X clipboard's BMP and PNG of a captured screen with the display.
// An offered picture reads the same, its DIB made when asked for.
TEST_F(Win32ClipboardTest, APictureGoesOnTheClipboardAsA24BitDibItsBitmapAndPngOfItsOwnCopy) {
    Win32Clipboard clipboard(CountingEncoder());
    for (const bool offered : {false, true})
    for (const bool deviceBitmap : {false, true}) {
        SCOPED_TRACE(deviceBitmap ? "a device bitmap" : "a captured DIB section");
        SCOPED_TRACE(offered ? "offered" : "put");
        encodings = 0;
        PicturePtr picture = PatternPicture(deviceBitmap);
        ASSERT_TRUE(offered ? clipboard.OfferPicture(std::move(picture)) : clipboard.PutPicture(std::move(picture)));
        EXPECT_EQ(encodings, 0) << "PNG waits until a program asks for it";

        const Contents contents = ReadClipboard();
        EXPECT_EQ(contents.dib.biBitCount, 24);
        EXPECT_EQ(contents.dib.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(contents.dib.biHeight, kHeight) << "bottom-up";
        EXPECT_EQ(contents.bitmap, pattern) << "the system reads the DIB's rows as they are meant";
        EXPECT_EQ(contents.png, pattern);
        EXPECT_EQ(encodings, 1);
    }
}

// The e2e tests read the screenshot as PNG after the program has ended; emptied by another program
// before, the clipboard lets go of it, and nothing is rendered when its owner goes away.
TEST_F(Win32ClipboardTest, AClipboardThatAnotherProgramEmptiedLetsGoOfThePicture) {
    PicturePtr picture = PatternPicture(false);
    const std::weak_ptr<const Picture> kept = picture;
    {
        Win32Clipboard clipboard(CountingEncoder());
        ASSERT_TRUE(clipboard.PutPicture(std::move(picture)));
        ASSERT_FALSE(kept.expired());
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        ::CloseClipboard();
        EXPECT_TRUE(kept.expired()) << "emptied, the clipboard lets go of the picture";
    }
    EXPECT_EQ(encodings, 0);
}

// A program that holds the clipboard open keeps every other from reading it: Wine's bridge answers
// a paste from an X program in that time with nothing. What is still owed when the program ends is
// made before the clipboard is opened for it, and stays: an offered picture's DIB and PNG alike.
TEST_F(Win32ClipboardTest, WhatIsOwedAtTheEndIsMadeWithTheClipboardClosedAndStays) {
    for (const bool offered : {false, true}) {
        SCOPED_TRACE(offered ? "offered" : "put");
        bool openWhileEncoding = true;
        encodings = 0;
        {
            Win32Clipboard clipboard([this, &openWhileEncoding](const Picture& picture) {
                openWhileEncoding = ::GetOpenClipboardWindow() != nullptr;
                ++encodings;
                return EncodePng(codec, picture, 0);
            });
            PicturePtr picture = PatternPicture(offered);
            ASSERT_TRUE(offered ? clipboard.OfferPicture(std::move(picture)) : clipboard.PutPicture(std::move(picture)));
        }
        EXPECT_EQ(encodings, 1);
        EXPECT_FALSE(openWhileEncoding);
        const Contents contents = ReadClipboard();
        EXPECT_EQ(contents.dib.biBitCount, 24);
        EXPECT_EQ(contents.bitmap, pattern);
        EXPECT_EQ(contents.png, pattern);
    }
}

// A program pasting the owed PNG holds the clipboard open until this one has rendered it. Waiting
// for the clipboard must not keep it waiting: at the next picture, the paste gets the PNG and the
// next picture goes on the clipboard; at the end, the paste gets it and the PNG stays.
TEST_F(Win32ClipboardTest, APasteOfTheOwedPngIsServedWhileTheClipboardWaitsForIt) {
    {
        Win32Clipboard clipboard(CountingEncoder());
        ASSERT_TRUE(clipboard.PutPicture(PatternPicture(false)));
        bool put = false;
        EXPECT_GT(PasteThePngDuring([&] { put = clipboard.PutPicture(PatternPicture(true)); }), 0u) << "next picture";
        EXPECT_TRUE(put);

        std::optional<Win32Clipboard> ending(std::in_place, CountingEncoder());
        ASSERT_TRUE(ending->PutPicture(PatternPicture(false)));
        EXPECT_GT(PasteThePngDuring([&] { ending.reset(); }), 0u) << "end";
    }
    EXPECT_EQ(ReadClipboard().png, pattern);
}

}  // namespace
}  // namespace snapwright::win32
