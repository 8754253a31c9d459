#include "ui/win32/Win32NativeMenus.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

HMENU ToHmenu(MenuHandle menu) {
    return reinterpret_cast<HMENU>(menu);
}

}  // namespace

MenuHandle Win32NativeMenus::CreatePopupMenu() {
    return reinterpret_cast<MenuHandle>(::CreatePopupMenu());
}

void Win32NativeMenus::DestroyMenu(MenuHandle menu) {
    ::DestroyMenu(ToHmenu(menu));
}

bool Win32NativeMenus::IsMenu(MenuHandle menu) const {
    return ::IsMenu(ToHmenu(menu)) != FALSE;
}

// For an owner-drawn entry the text argument carries the owner-draw data.
bool Win32NativeMenus::AppendEntry(MenuHandle menu, const MenuEntry& entry) {
    if (!::AppendMenuW(ToHmenu(menu), entry.flags, entry.id, reinterpret_cast<LPCWSTR>(entry.data))) return false;
    SetEntryText(menu, ::GetMenuItemCount(ToHmenu(menu)) - 1, entry.text);
    return true;
}

void Win32NativeMenus::SetEntryText(MenuHandle menu, int position, const std::string& text) {
    if (text.empty()) return;
    // The text goes beside the owner-draw data: the entry stays owner-drawn.
    std::wstring wide = ToWide(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide.data();
    ::SetMenuItemInfoW(ToHmenu(menu), static_cast<UINT>(position), TRUE, &info);
}

// Written with SetMenuItemInfoW rather than ModifyMenuW: ModifyMenuW destroys the sub-menu of
// a pop-up entry it rewrites, and the entry keeps its sub-menu here.
bool Win32NativeMenus::ModifyEntry(MenuHandle menu, int position, const MenuEntry& entry) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    if (entry.flags & kMenuSeparator) info.fType |= MFT_SEPARATOR;
    if (entry.flags & kMenuBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (entry.flags & kMenuBreak) info.fType |= MFT_MENUBREAK;
    if (entry.flags & kMenuChecked) info.fState |= MFS_CHECKED;
    if (entry.flags & kMenuGrayed) info.fState |= MFS_GRAYED;
    // A pop-up entry carries its sub-menu as its identifier, as AppendMenuW and ModifyMenuW
    // give it, so the measuring and drawing messages name it by that handle.
    info.wID = static_cast<UINT>(entry.id);
    info.hSubMenu = (entry.flags & kMenuPopup) ? ToHmenu(entry.id) : nullptr;
    info.dwItemData = static_cast<ULONG_PTR>(entry.data);
    if (!::SetMenuItemInfoW(ToHmenu(menu), static_cast<UINT>(position), TRUE, &info)) return false;
    SetEntryText(menu, position, entry.text);
    return true;
}

bool Win32NativeMenus::SetEntryData(MenuHandle menu, int position, std::intptr_t data) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = static_cast<ULONG_PTR>(data);
    return ::SetMenuItemInfoW(ToHmenu(menu), static_cast<UINT>(position), TRUE, &info) != FALSE;
}

std::string Win32NativeMenus::LastErrorText() const {
    const DWORD code = ::GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text = length != 0 ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    return ToUtf8(text);
}

}  // namespace snapwright::win32
