#include "platform/win32/Win32TrayIcon.h"

#include <shellapi.h>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {
NOTIFYICONDATAW IconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = Win32TrayIcon::kIconId;
    return data;
}
}  // namespace

bool Win32TrayIcon::Add(const std::string& tip) {
    NOTIFYICONDATAW data = IconData(m_owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = m_icon;
    lstrcpynW(data.szTip, ToWide(tip).c_str(), ARRAYSIZE(data.szTip));
    // After a restart of the taskbar the old icon is gone; an icon that is still there is updated.
    m_added = ::Shell_NotifyIconW(NIM_ADD, &data) || ::Shell_NotifyIconW(NIM_MODIFY, &data);
    if (!m_added) DebugOutput("The tray icon could not be added");
    return m_added;
}

void Win32TrayIcon::Remove() {
    if (!m_added) return;
    NOTIFYICONDATAW data = IconData(m_owner);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    m_added = false;
}

}  // namespace snapwright::win32
