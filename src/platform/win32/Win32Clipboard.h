#pragma once
#include <windows.h>

#include "platform/Clipboard.h"

namespace snapwright::win32 {

class Win32Clipboard : public IClipboard {
public:
    explicit Win32Clipboard(HWND owner) : m_owner(owner) {}
    bool PutPicture(const Picture& picture) override;

private:
    HWND m_owner;
};

}  // namespace snapwright::win32
