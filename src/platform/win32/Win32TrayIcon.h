#pragma once
#include <windows.h>

#include "platform/TrayIcon.h"

namespace snapwright::win32 {

// The notification-area icon, id 2; its mouse messages reach the owner as message 0x0205 with
// the mouse message in the low word of lParam.
class Win32TrayIcon : public ITrayIcon {
public:
    static constexpr UINT kIconId = 2;
    static constexpr UINT kCallbackMessage = 0x0205;

    Win32TrayIcon(HWND owner, HICON icon) : m_owner(owner), m_icon(icon) {}
    ~Win32TrayIcon() override { Remove(); }
    bool Add(const std::string& tip) override;
    void Remove() override;

private:
    HWND m_owner;
    HICON m_icon;
    bool m_added = false;
};

}  // namespace snapwright::win32
