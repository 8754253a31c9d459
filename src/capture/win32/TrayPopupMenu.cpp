#include "capture/win32/TrayPopupMenu.h"

namespace snapwright::win32 {

void TrayPopupMenu::SetOwner(WindowRef owner) {
    m_menu.Owner(reinterpret_cast<HWND>(owner));
}

void TrayPopupMenu::SetFont(const std::string& face, int points) {
    m_menu.Font(MenuFont{face, static_cast<double>(points)});
}

void TrayPopupMenu::Clear() {
    m_menu.Clear();
}

int TrayPopupMenu::AddItem(const std::string& caption) {
    return m_menu.AddItem(caption);
}

void TrayPopupMenu::Store(const std::string& key) {
    m_menu.Store(key);
}

int TrayPopupMenu::ShowPopupAbsolute(int leftPixel, int topPixel) {
    // A menu opened from the tray closes on a click elsewhere only when its owner is the
    // foreground window; the message posted afterwards lets the owner leave the menu state.
    HWND owner = m_menu.Owner();
    ::SetForegroundWindow(owner);
    const int index = m_menu.ShowPopupAbsolute(leftPixel, topPixel, 0, true);
    if (::IsWindow(owner)) ::PostMessageW(owner, WM_NULL, 0, 0);
    return index;
}

}  // namespace snapwright::win32
