#include "ui/win32/PopupMenu.h"

#include <array>

#include "platform/Diagnostics.h"
#include "platform/win32/SharedWindowProc.h"
#include "platform/win32/WideText.h"

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

PopupMenu::PopupMenu() : m_model(m_natives, [](const std::string& text) { DebugOutput(text); }) {
    m_model.SetTextHeight(m_painter.TextHeight());
}

PopupMenu::~PopupMenu() {
    StopListening();
}

void PopupMenu::Owner(HWND owner) {
    Clear();
    m_owner = owner;
}

void PopupMenu::Font(const MenuFont& font) {
    m_painter.SetFont(font);
    m_model.SetTextHeight(m_painter.TextHeight());
}

void PopupMenu::Clear() {
    m_model.Clear();
}

int PopupMenu::AddItem(const std::string& caption, const std::string& helpText, std::intptr_t itemData,
                        int parentIndex, int iconIndex, bool checked, bool enabled, const std::string& key) {
    return m_model.AddItem(caption, helpText, itemData, parentIndex, iconIndex, checked, enabled, key);
}

int PopupMenu::InsertItem(int index, const std::string& caption, const std::string& helpText,
                           std::intptr_t itemData, int parentIndex, int iconIndex, bool checked, bool enabled,
                           const std::string& key) {
    return m_model.InsertItem(index, caption, helpText, itemData, parentIndex, iconIndex, checked, enabled,
                              key);
}

void PopupMenu::ReplaceItem(int index, const std::string& caption, const std::string& helpText,
                             std::intptr_t itemData, int iconIndex, bool checked, bool enabled,
                             const std::string& key) {
    m_model.ReplaceItem(index, caption, helpText, itemData, iconIndex, checked, enabled, key);
}

void PopupMenu::RemoveItem(int index) {
    m_model.RemoveItem(index);
}

void PopupMenu::StartListening(HWND hwnd) {
    if (hwnd == m_listening) return;
    StopListening();
    std::size_t attached = 0;
    try {
        for (; attached < kListenedMessages.size(); ++attached) {
            SharedWindowProc::AttachMessage(this, hwnd, kListenedMessages[attached]);
        }
    } catch (...) {
        while (attached > 0) SharedWindowProc::DetachMessage(this, hwnd, kListenedMessages[--attached]);
        throw;
    }
    m_listening = hwnd;
}

void PopupMenu::StopListening() {
    if (!m_listening) return;
    const HWND hwnd = m_listening;
    m_listening = nullptr;
    for (UINT message : kListenedMessages) SharedWindowProc::DetachMessage(this, hwnd, message);
}

int PopupMenu::ShowPopupAbsolute(int leftPixel, int topPixel, int index, bool tryToKeepLeft) {
    MenuHandle menu = 0;
    if (index < 1) {
        if (Count() == 0) return 0;
        menu = m_model.Item(1).menu;
    } else if (index > Count()) {
        return 0;
    } else {
        menu = m_model.Item(index).menu;
    }
    // A menu needs a window that receives its messages.
    const HWND owner = m_owner;
    if (menu == 0 || !::IsWindow(owner)) return 0;

    UINT flags = TPM_RETURNCMD;
    if (!tryToKeepLeft) flags |= TPM_VERTICAL;
    if (m_noMenuAnimation) flags |= TPM_NOANIMATION;

    ::SendMessageW(owner, WM_ENTERMENULOOP, TRUE, 0);
    const bool wasListening = m_listening == owner;
    int chosen = 0;
    try {
        StartListening(owner);
        const UINT_PTR command = static_cast<UINT_PTR>(
            ::TrackPopupMenu(reinterpret_cast<HMENU>(menu), flags, leftPixel, topPixel, 0, owner, nullptr));
        chosen = command != 0 ? ItemForId(command) : 0;
        if (command != 0 && chosen == 0) DebugOutput("Failed to find index for click event");
        if (!wasListening) {
            if (chosen > 0) ProcessClick(chosen);
            StopListening();
        }
    } catch (...) {
        if (::IsWindow(owner)) ::SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
        throw;
    }
    // The menu loop may have outlived the owner.
    if (::IsWindow(owner)) ::SendMessageW(owner, WM_EXITMENULOOP, TRUE, 0);
    return chosen;
}

void PopupMenu::ProcessClick(int index) {
    if (Click) Click(index);
}

// The item whose entry in `menu` carries the identifier `id`, 0 when none does.
int PopupMenu::ItemOfEntry(HMENU menu, UINT_PTR id) const {
    for (int index : m_model.ItemsInMenu(reinterpret_cast<MenuHandle>(menu))) {
        const PopupMenuItem& item = m_model.Item(index);
        const UINT_PTR entryId = item.subMenu != 0 ? item.subMenu : item.itemId;
        if (static_cast<UINT>(entryId) == static_cast<UINT>(id)) return index;
    }
    return 0;
}

std::intptr_t PopupMenu::WindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    // Unless a handler below answers the message alone, the owner's procedure sees it too.
    m_response = SubclassResponse::CallPreviousAfter;
    switch (message) {
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

LRESULT PopupMenu::OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    // Only menu commands: accelerator notifications (high word 1) and controls are not ours.
    if ((control != nullptr && control != hwnd) || (control == nullptr && HIWORD(wParam) != 0)) return 0;
    const int index = ItemForId(LOWORD(wParam));
    if (index == 0 || m_model.Item(index).subMenu != 0) return 0;
    m_response = SubclassResponse::Consume;
    ProcessClick(index);
    return 0;
}

LRESULT PopupMenu::OnMeasureItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return 0;
    const int index = ItemForId(measure.itemID);
    if (index == 0 || m_model.Item(index).menu == 0) return 0;
    const SIZE size = m_painter.Measure(m_model.Item(index));
    measure.itemWidth = static_cast<UINT>(size.cx);
    measure.itemHeight = static_cast<UINT>(size.cy);
    if (MeasureItem) MeasureItem(index, measure.itemWidth, measure.itemHeight);
    m_response = SubclassResponse::Consume;
    return TRUE;
}

LRESULT PopupMenu::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU) return 0;
    const HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
    if (!m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return 0;
    const int index = ItemOfEntry(menu, draw.itemID);
    if (index == 0) return 0;
    m_painter.Draw(m_model.Item(index), draw);
    if (DrawItem) DrawItem(index, draw.hDC, draw.rcItem, draw.itemState);
    m_response = SubclassResponse::Consume;
    return TRUE;
}

// Owner-drawn entries have no text the system could search, so it asks the owner about every
// typed character: one selectable item with that accelerator is executed, several are
// selected in turn.
LRESULT PopupMenu::OnMenuChar(WCHAR character, UINT flags, HMENU menu) {
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
    m_response = SubclassResponse::Consume;
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

void PopupMenu::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
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

void PopupMenu::OnInitMenuPopup(HMENU menu, bool windowMenu, bool opening) {
    if (windowMenu || !m_model.OwnsMenu(reinterpret_cast<MenuHandle>(menu))) return;
    const int parent = m_model.ParentOfMenu(reinterpret_cast<MenuHandle>(menu));
    if (opening && InitPopupMenu) InitPopupMenu(parent);
    if (!opening && UnInitPopupMenu) UnInitPopupMenu(parent);
}

void PopupMenu::OnSettingChange() {
    m_painter.SettingsChanged();
    m_model.SetTextHeight(m_painter.TextHeight());
}

// The owner goes away: the menu lets go of it as it does when it ends.
void PopupMenu::OnDestroy() {
    StopListening();
    m_model.Clear();
    m_owner = nullptr;
}

}  // namespace snapwright::win32
