#include "ui/win32/cPopupMenu.h"

#include <array>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"
#include "ui/win32/MSubclass.h"

namespace snapwright::win32 {

namespace {

// The owner-window messages the menu answers while it listens.
constexpr std::array<UINT, 10> kListenedMessages = {
    WM_MENUSELECT, WM_MEASUREITEM,     WM_DRAWITEM,     WM_COMMAND,       WM_MENUCHAR,
    WM_INITMENUPOPUP, WM_UNINITMENUPOPUP, WM_MENURBUTTONUP, WM_SETTINGCHANGE, WM_DESTROY,
};

// WM_MENUSELECT's flags when the menu has closed.
constexpr UINT kMenuClosedFlags = 0xFFFF;

std::wstring UpperCase(std::wstring text) {
    if (!text.empty()) ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool Selectable(const PopupMenuItem& item) {
    return item.visible && item.enabled && !item.separator && !item.header;
}

}  // namespace

cPopupMenu::cPopupMenu() : m_model(m_natives, [](const std::string& text) { DebugOutput(text); }) {
    m_model.SetTextHeight(m_painter.TextHeight());
}

cPopupMenu::~cPopupMenu() {
    DestroySubClass();
}

void cPopupMenu::hwndOwner(HWND owner) {
    Clear();
    m_owner = owner;
}

void cPopupMenu::Font(const MenuFont& font) {
    m_painter.SetFont(font);
    m_model.SetTextHeight(m_painter.TextHeight());
}

void cPopupMenu::Clear() {
    m_model.Clear();
}

int cPopupMenu::AddItem(const std::string& sCaption, const std::string& sHelptext, std::intptr_t lItemData,
                        int lParentIndex, int lIconIndex, bool bChecked, bool bEnabled, const std::string& sKey) {
    return m_model.AddItem(sCaption, sHelptext, lItemData, lParentIndex, lIconIndex, bChecked, bEnabled, sKey);
}

int cPopupMenu::InsertItem(int lIndex, const std::string& sCaption, const std::string& sHelptext,
                           std::intptr_t lItemData, int lParentIndex, int lIconIndex, bool bChecked, bool bEnabled,
                           const std::string& sKey) {
    return m_model.InsertItem(lIndex, sCaption, sHelptext, lItemData, lParentIndex, lIconIndex, bChecked, bEnabled,
                              sKey);
}

void cPopupMenu::ReplaceItem(int lIndex, const std::string& sCaption, const std::string& sHelptext,
                             std::intptr_t lItemData, int lIconIndex, bool bChecked, bool bEnabled,
                             const std::string& sKey) {
    m_model.ReplaceItem(lIndex, sCaption, sHelptext, lItemData, lIconIndex, bChecked, bEnabled, sKey);
}

void cPopupMenu::RemoveItem(int lIndex) {
    m_model.RemoveItem(lIndex);
}

void cPopupMenu::CreateSubClass(HWND hwnd) {
    if (hwnd == m_listening) return;
    DestroySubClass();
    std::size_t attached = 0;
    try {
        for (; attached < kListenedMessages.size(); ++attached) {
            MSubclass::AttachMessage(this, hwnd, kListenedMessages[attached]);
        }
    } catch (...) {
        while (attached > 0) MSubclass::DetachMessage(this, hwnd, kListenedMessages[--attached]);
        throw;
    }
    m_listening = hwnd;
}

void cPopupMenu::DestroySubClass() {
    if (!m_listening) return;
    const HWND hwnd = m_listening;
    m_listening = nullptr;
    for (UINT message : kListenedMessages) MSubclass::DetachMessage(this, hwnd, message);
}

int cPopupMenu::ShowPopupAbsolute(int lLeftPixel, int lTopPixel, int lIndex, bool bTryToKeepLeft) {
    MenuHandle menu = 0;
    if (lIndex < 1) {
        if (Count() == 0) return 0;
        menu = m_model.Item(1).menu;
    } else if (lIndex > Count()) {
        return 0;
    } else {
        menu = m_model.Item(lIndex).menu;
    }
    // A menu needs a window that receives its messages.
    const HWND owner = m_owner;
    if (menu == 0 || !::IsWindow(owner)) return 0;

    UINT flags = TPM_RETURNCMD;
    if (!bTryToKeepLeft) flags |= TPM_VERTICAL;
    if (m_noMenuAnimation) flags |= TPM_NOANIMATION;

    ::SendMessageW(owner, WM_ENTERMENULOOP, TRUE, 0);
    const bool wasListening = m_listening == owner;
    int index = 0;
    try {
        CreateSubClass(owner);
        const UINT_PTR command = static_cast<UINT_PTR>(
            ::TrackPopupMenu(reinterpret_cast<HMENU>(menu), flags, lLeftPixel, lTopPixel, 0, owner, nullptr));
        index = command != 0 ? ItemForID(command) : 0;
        if (command != 0 && index == 0) DebugOutput("Failed to find index for click event");
        if (!wasListening) {
            if (index > 0) ProcessClick(index);
            DestroySubClass();
        }
    } catch (...) {
        if (::IsWindow(owner)) ::SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
        throw;
    }
    // The menu loop may have outlived the owner.
    if (::IsWindow(owner)) ::SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
    return index;
}

void cPopupMenu::ProcessClick(int index) {
    if (Click) Click(index);
}

// The item whose entry in `menu` carries the identifier `id`, 0 when none does.
int cPopupMenu::ItemOfEntry(HMENU menu, UINT_PTR id) const {
    for (int index : m_model.ItemsInMenu(reinterpret_cast<MenuHandle>(menu))) {
        const PopupMenuItem& item = m_model.Item(index);
        const UINT_PTR entryId = item.subMenu != 0 ? item.subMenu : item.itemId;
        if (static_cast<UINT>(entryId) == static_cast<UINT>(id)) return index;
    }
    return 0;
}

std::intptr_t cPopupMenu::WindowProc(WindowRef hwnd, std::uint32_t iMsg, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    // Unless a handler below answers the message alone, the owner's procedure sees it too.
    m_msgResponse = SubclassResponse::CallPreviousAfter;
    switch (iMsg) {
        case WM_COMMAND:
            return OnCommand(reinterpret_cast<HWND>(hwnd), wParam, lParam);
        case WM_MEASUREITEM:
            return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_MENUCHAR:
            return OnMenuChar(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        case WM_MENUSELECT:
            OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0, true);
            return 0;
        case WM_UNINITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0, false);
            return 0;
        case WM_SETTINGCHANGE:
            OnSettingChange();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return 0;
    }
}

LRESULT cPopupMenu::OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    // Only menu commands: accelerator notifications (high word 1) and controls are not ours.
    if ((control != nullptr && control != hwnd) || (control == nullptr && HIWORD(wParam) != 0)) return 0;
    const int index = ItemForID(LOWORD(wParam));
    if (index == 0 || m_model.Item(index).subMenu != 0) return 0;
    m_msgResponse = SubclassResponse::Consume;
    ProcessClick(index);
    return 0;
}

LRESULT cPopupMenu::OnMeasureItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return 0;
    const int index = ItemForID(measure.itemID);
    if (index == 0 || m_model.Item(index).menu == 0) return 0;
    const SIZE size = m_painter.Measure(m_model.Item(index));
    measure.itemWidth = static_cast<UINT>(size.cx);
    measure.itemHeight = static_cast<UINT>(size.cy);
    if (MeasureItem) MeasureItem(index, measure.itemWidth, measure.itemHeight);
    m_msgResponse = SubclassResponse::Consume;
    return TRUE;
}

LRESULT cPopupMenu::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU) return 0;
    const HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
    if (!m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return 0;
    const int index = ItemOfEntry(menu, draw.itemID);
    if (index == 0) return 0;
    m_painter.Draw(m_model.Item(index), draw);
    if (DrawItem) DrawItem(index, draw.hDC, draw.rcItem, draw.itemState);
    m_msgResponse = SubclassResponse::Consume;
    return TRUE;
}

// Owner-drawn entries have no text the system could search, so it asks the owner about every
// typed character: one selectable item with that accelerator is executed, several are
// selected in turn.
LRESULT cPopupMenu::OnMenuChar(WCHAR character, UINT flags, HMENU menu) {
    if ((flags & MF_SYSMENU) != 0 || !m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return 0;
    const std::wstring typed = UpperCase(std::wstring(1, character));
    const std::vector<int> entries = m_model.ItemsInMenu(reinterpret_cast<MenuHandle>(menu));
    std::vector<int> matches;  // positions
    int highlighted = -1;
    for (std::size_t position = 0; position < entries.size(); ++position) {
        const PopupMenuItem& item = m_model.Item(entries[position]);
        const int at = static_cast<int>(position);
        if (::GetMenuState(menu, static_cast<UINT>(at), MF_BYPOSITION) & MF_HILITE) highlighted = at;
        if (Selectable(item) && !item.accelerator.empty() && UpperCase(ToWide(item.accelerator)) == typed) {
            matches.push_back(at);
        }
    }
    if (matches.empty()) return 0;
    m_msgResponse = SubclassResponse::Consume;
    if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
    int next = matches.front();
    for (int position : matches) {
        if (position > highlighted) {
            next = position;
            break;
        }
    }
    return MAKELRESULT(next, MNC_SELECT);
}

void cPopupMenu::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == kMenuClosedFlags && menu == nullptr) {
        if (MenuExit) MenuExit();
        return;
    }
    if ((item == 0 && !(flags & MF_POPUP)) || !m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return;
    int index = 0;
    if (flags & MF_POPUP) {
        // For an entry that opens a sub-menu the system passes its position.
        const std::vector<int> entries = m_model.ItemsInMenu(reinterpret_cast<MenuHandle>(menu));
        if (item < entries.size()) index = entries[item];
    } else {
        for (int candidate : m_model.ItemsInMenu(reinterpret_cast<MenuHandle>(menu))) {
            if (LOWORD(m_model.Item(candidate).itemId) == item) index = candidate;
        }
    }
    if (index != 0 && ItemHighlight) ItemHighlight(index);
}

void cPopupMenu::OnInitMenuPopup(HMENU menu, bool windowMenu, bool opening) {
    if (windowMenu || !m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return;
    const int parent = m_model.ParentOfMenu(reinterpret_cast<MenuHandle>(menu));
    if (opening && InitPopupMenu) InitPopupMenu(parent);
    if (!opening && UnInitPopupMenu) UnInitPopupMenu(parent);
}

void cPopupMenu::OnSettingChange() {
    m_painter.SettingsChanged();
    m_model.SetTextHeight(m_painter.TextHeight());
}

// The owner goes away: the menu lets go of it as it does when it ends.
void cPopupMenu::OnDestroy() {
    DestroySubClass();
    m_model.Clear();
    m_owner = nullptr;
}

}  // namespace snapwright::win32
