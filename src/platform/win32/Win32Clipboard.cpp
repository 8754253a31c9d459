#include "platform/win32/Win32Clipboard.h"

#include <cstring>

#include "platform/Diagnostics.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/GlobalMemory.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

namespace {

constexpr const wchar_t* kOwnerClassName = L"SnapwrightClipboardOwner";

// Serves the messages that other threads and programs send to this thread, for a time, and
// leaves the posted ones in the queue.
void ServeSentMessagesFor(DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_SENDMESSAGE, 0);
    }
}

// Another program may hold the clipboard open for a moment; try a few times before giving up.
// The one holding it may be a program pasting the PNG that this window still owes: it sends
// WM_RENDERFORMAT and waits for the answer with the clipboard open. A plain sleep here would keep
// both waiting until this side gave up, with the paste empty and the clipboard not taken, so sent
// messages are served while waiting.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (::OpenClipboard(owner)) return true;
        ServeSentMessagesFor(20);
    }
    return false;
}

// The bitmap as a packed DIB: a header and 24-bit bottom-up rows, which every pasting program
// reads as it is (a 32-bit BI_RGB DIB has a fourth byte that some read as alpha). A picture
// captured by this program is a DIB section of exactly that layout and is copied byte for byte;
// any other bitmap is converted by the system.
UniqueHglobal PackedDib(HBITMAP bitmap) {
    DIBSECTION section{};
    const int described = ::GetObjectW(bitmap, sizeof(section), &section);
    if (described != sizeof(BITMAP) && described != sizeof(DIBSECTION)) return {};
    const LONG width = section.dsBm.bmWidth;
    const LONG height = section.dsBm.bmHeight;
    if (width <= 0 || height <= 0) return {};
    const std::uint64_t imageSize = Rgb24RowBytes(width) * static_cast<std::uint64_t>(height);
    if (imageSize > 0x7FFFFFFFULL - sizeof(BITMAPINFOHEADER)) return {};
    const BITMAPINFOHEADER header = Rgb24Header(width, height);

    UniqueHglobal memory(::GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + static_cast<SIZE_T>(imageSize)));
    {
        GlobalLockGuard<BYTE> data(memory.get());
        if (!data) return {};
        std::memcpy(data.get(), &header, sizeof(BITMAPINFOHEADER));
        BYTE* pixels = data.get() + sizeof(BITMAPINFOHEADER);
        const BITMAPINFOHEADER& own = section.dsBmih;
        if (described == sizeof(DIBSECTION) && section.dsBm.bmBits && own.biBitCount == 24 &&
            own.biCompression == BI_RGB && own.biHeight > 0) {
            ::GdiFlush();
            std::memcpy(pixels, section.dsBm.bmBits, static_cast<std::size_t>(imageSize));
        } else if (!ReadRgb24Rows(bitmap, nullptr, pixels)) {
            return {};
        }
    }
    return memory;
}

UniqueHglobal GlobalCopy(const std::vector<std::uint8_t>& bytes) {
    UniqueHglobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    GlobalLockGuard<BYTE> data(memory.get());
    if (!data) return {};
    std::memcpy(data.get(), bytes.data(), bytes.size());
    return memory;
}

void RegisterOwnerClass(WNDPROC windowProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClassName;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Win32Error(::GetLastError(), "RegisterClassExW");
    }
}

}  // namespace

Win32Clipboard::Win32Clipboard(PngEncoder encodePng) : m_encodePng(std::move(encodePng)) {
    if (m_encodePng) m_pngFormat = ::RegisterClipboardFormatW(L"PNG");
    RegisterOwnerClass(&WindowProcedure<&Win32Clipboard::OnMessage>);
    // A message-only window: it is never shown and receives only what is sent to it.
    m_owner.reset(::CreateWindowExW(0, kOwnerClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), this));
    if (!m_owner) throw Win32Error(::GetLastError(), "CreateWindowExW");
}

Win32Clipboard::~Win32Clipboard() {
    // The system sends WM_RENDERALLFORMATS while the window is destroyed, so this happens while
    // the picture and the encoder are still there.
    m_owner.reset();
}

bool Win32Clipboard::PutPicture(PicturePtr picture) {
    return Put(std::move(picture), false);
}

// Under Wine a packed DIB of a tall scrolling capture (55 MB) takes most of a second to go onto the
// clipboard, which an offer spends only when somebody pastes.
bool Win32Clipboard::OfferPicture(PicturePtr picture) {
    return Put(std::move(picture), true);
}

bool Win32Clipboard::Put(PicturePtr picture, bool dibWhenAsked) {
    const GdiPicture* gdi = AsGdiPicture(picture.get());
    if (!gdi || !gdi->Bitmap()) return false;
    // The copy is made before the clipboard is opened, which keeps it open only for a moment.
    UniqueHglobal dib;
    if (!dibWhenAsked) {
        dib = PackedDib(gdi->Bitmap());
        if (!dib) {
            DebugOutput("The screenshot could not be copied for the clipboard");
            return false;
        }
    }
    if (!OpenClipboardPatiently(m_owner.get())) {
        DebugOutput("The clipboard is held by another program");
        return false;
    }
    bool done = false;
    // Emptying tells the previous owner, this window too, to let go of its picture (with
    // WM_DESTROYCLIPBOARD); the new one is kept only after it. A format offered without data gives
    // a null result whether it worked or not: the clipboard is asked what it holds.
    if (::EmptyClipboard()) {
        LetGo();
        if (dib) {
            done = ::SetClipboardData(CF_DIB, dib.get()) != nullptr;
            if (done) dib.release();
        } else {
            ::SetClipboardData(CF_DIB, nullptr);
            done = m_dibOwed = ::IsClipboardFormatAvailable(CF_DIB) != FALSE;
        }
        // PNG is encoded only for a program that asks for it: the hotkey does not wait for it.
        if (done && m_pngFormat) {
            ::SetClipboardData(m_pngFormat, nullptr);
            m_pngOwed = ::IsClipboardFormatAvailable(m_pngFormat) != FALSE;
        }
        if (m_dibOwed || m_pngOwed) m_picture = std::move(picture);
    }
    ::CloseClipboard();
    return done;
}

void Win32Clipboard::LetGo() {
    m_picture.reset();
    m_dibOwed = m_pngOwed = false;
}

// The DIB of the picture owed to the clipboard; empty when none is owed.
UniqueHglobal Win32Clipboard::OwedDib() const {
    const GdiPicture* gdi = m_dibOwed ? AsGdiPicture(m_picture.get()) : nullptr;
    UniqueHglobal memory = gdi && gdi->Bitmap() ? PackedDib(gdi->Bitmap()) : UniqueHglobal();
    if (m_dibOwed && !memory) DebugOutput("The screenshot could not be copied for the clipboard");
    return memory;
}

// The PNG of the picture owed to the clipboard, in global memory; empty when none is owed or the
// encoder failed.
UniqueHglobal Win32Clipboard::EncodeOwedPng() const {
    if (!m_picture || !m_pngOwed || !m_encodePng) return {};
    const std::vector<std::uint8_t> png = m_encodePng(*m_picture);
    UniqueHglobal memory = png.empty() ? UniqueHglobal() : GlobalCopy(png);
    if (!memory) DebugOutput("The screenshot could not be encoded as PNG for the clipboard");
    return memory;
}

// Once nothing more is owed, the picture is let go now rather than when the clipboard changes.
void Win32Clipboard::PutOwed(UINT format, UniqueHglobal data, bool& owed) {
    if (!data || !::SetClipboardData(format, data.get())) return;
    data.release();
    owed = false;
    if (!m_dibOwed && !m_pngOwed) m_picture.reset();
}

// The program that asked holds the clipboard open while this runs.
void Win32Clipboard::OnRenderFormat(UINT format) {
    if (format == CF_DIB && m_dibOwed) PutOwed(CF_DIB, OwedDib(), m_dibOwed);
    if (format == m_pngFormat && m_pngOwed) PutOwed(m_pngFormat, EncodeOwedPng(), m_pngOwed);
}

// The window is the one being destroyed: its owner has already let go of its handle. What is owed
// is made before the clipboard is opened: as long as it is open, no other program can read it,
// and Wine's bridge to the X clipboard answers a paste in that time with nothing.
void Win32Clipboard::OnRenderAllFormats(HWND owner) {
    UniqueHglobal dib = OwedDib();
    UniqueHglobal png = EncodeOwedPng();
    if ((!dib && !png) || !OpenClipboardPatiently(owner)) return;
    // Another program may have taken the clipboard since, or asked for a format while this waited;
    // then there is nothing left to render of it.
    if (m_picture && ::GetClipboardOwner() == owner) {
        if (m_dibOwed) PutOwed(CF_DIB, std::move(dib), m_dibOwed);
        if (m_pngOwed) PutOwed(m_pngFormat, std::move(png), m_pngOwed);
    }
    ::CloseClipboard();
}

// A format that could not be rendered is simply not there.
LRESULT Win32Clipboard::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_RENDERFORMAT:
            OnRenderFormat(static_cast<UINT>(wParam));
            return 0;
        case WM_RENDERALLFORMATS:
            OnRenderAllFormats(hwnd);
            return 0;
        case WM_DESTROYCLIPBOARD:
            LetGo();
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace snapwright::win32
