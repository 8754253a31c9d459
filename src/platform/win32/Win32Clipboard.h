#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/win32/GlobalMemory.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The clipboard, owned by a hidden window of its own. A picture goes on it as a packed 24-bit DIB
// (the system offers CF_BITMAP and CF_DIBV5 from it) and, when an encoder is given, in the
// registered "PNG" format, encoded only when a program asks for it or when the window goes away;
// an offered picture's DIB is made in the same way.
class Win32Clipboard : public IClipboard {
public:
    using PngEncoder = std::function<std::vector<std::uint8_t>(const Picture&)>;

    explicit Win32Clipboard(PngEncoder encodePng = nullptr);
    // Renders what was not asked for yet, so that the screenshot outlives the program.
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    bool PutPicture(PicturePtr picture) override;
    bool OfferPicture(PicturePtr picture) override;

private:
    bool Put(PicturePtr picture, bool dibWhenAsked);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    UniqueHglobal OwedDib() const;
    UniqueHglobal EncodeOwedPng() const;
    void PutOwed(UINT format, UniqueHglobal data, bool& owed);
    void LetGo();
    void OnRenderFormat(UINT format);
    void OnRenderAllFormats(HWND owner);

    PngEncoder m_encodePng;
    UINT m_pngFormat = 0;
    PicturePtr m_picture;  // the clipboard's own reference, while a format is still owed
    bool m_dibOwed = false;
    bool m_pngOwed = false;
    UniqueHwnd m_owner;
};

}  // namespace snapwright::win32
