#include "platform/win32/Win32Clipboard.h"

#include "platform/Diagnostics.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

namespace {

// Another program may hold the clipboard open for a moment; try a few times before giving up.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (::OpenClipboard(owner)) return true;
        ::Sleep(20);
    }
    return false;
}

}  // namespace

bool Win32Clipboard::PutPicture(const Picture& picture) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    if (!gdi || !gdi->Bitmap()) return false;
    // The clipboard takes ownership of what it is given, so it gets a copy of its own.
    UniqueHbitmap copy(static_cast<HBITMAP>(::CopyImage(gdi->Bitmap(), IMAGE_BITMAP, 0, 0, 0)));
    if (!copy) {
        DebugOutput("CopyImage failed for the clipboard copy");
        return false;
    }
    if (!OpenClipboardPatiently(m_owner)) {
        DebugOutput("The clipboard is held by another program");
        return false;
    }
    bool done = false;
    if (::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, copy.get())) {
        copy.release();
        done = true;
    }
    ::CloseClipboard();
    return done;
}

}  // namespace snapwright::win32
