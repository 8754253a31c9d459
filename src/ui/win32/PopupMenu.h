#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/MessageListener.h"
#include "ui/MenuFont.h"
#include "ui/PopupMenuModel.h"
#include "ui/win32/PopupMenuPainter.h"
#include "ui/win32/Win32NativeMenus.h"

namespace snapwright::win32 {

// The owner-drawn popup menu: items with captions, keys, check marks, headers and sub-menus,
// built as native popup menus, shown at a screen position and answered through the owner
// window's menu messages, to which it listens while a menu is open.
class PopupMenu : public IMessageListener {
public:
    PopupMenu();
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HWND Owner() const { return m_owner; }
    // Empties the menu and takes the window that owns it from now on.
    void Owner(HWND owner);
    const MenuFont& Font() const { return m_painter.Font(); }
    void Font(const MenuFont& font);

    void Clear();
    // Returns the new item's index (1-based, in adding order).
    int AddItem(const std::string& caption, const std::string& helpText = {}, std::intptr_t itemData = 0,
                int parentIndex = 0, int iconIndex = -1, bool checked = false, bool enabled = true,
                const std::string& key = {});
    int InsertItem(int index, const std::string& caption, const std::string& helpText = {},
                   std::intptr_t itemData = 0, int parentIndex = 0, int iconIndex = -1, bool checked = false,
                   bool enabled = true, const std::string& key = {});
    void ReplaceItem(int index, const std::string& caption, const std::string& helpText = {},
                     std::intptr_t itemData = 0, int iconIndex = -1, bool checked = false, bool enabled = true,
                     const std::string& key = {});
    void RemoveItem(int index);

    void Store(const std::string& key) { m_model.Store(key); }
    void Restore(const std::string& key) { m_model.Restore(key); }
    const std::string& CurrentlyRestoredKey() const { return m_model.CurrentlyRestoredKey(); }

    // Shows the menu at a screen position in pixels, modally; the chosen item's index, 0 when
    // nothing was chosen.
    int ShowPopupAbsolute(int leftPixel, int topPixel, int index = 0, bool tryToKeepLeft = true);

    int Count() const { return m_model.Count(); }
    int ItemForId(UINT_PTR id) const { return m_model.ItemForId(id); }
    UINT_PTR IdForItem(int index) const { return m_model.IdForItem(index); }
    int IndexForKey(const std::string& key) const { return m_model.IndexForKey(key); }
    HMENU TopMenu() const { return reinterpret_cast<HMENU>(m_model.TopMenu()); }

    std::string Caption(int index) const { return m_model.Item(index).caption; }
    void Caption(int index, const std::string& caption) { m_model.SetCaption(index, caption); }
    std::string ItemKey(int index) const { return m_model.Item(index).key; }
    void ItemKey(int index, const std::string& key) { m_model.SetItemKey(index, key); }
    std::intptr_t ItemData(int index) const { return m_model.Item(index).itemData; }
    void ItemData(int index, std::intptr_t itemData) { m_model.SetItemData(index, itemData); }
    int ItemParentIndex(int index) const { return m_model.Item(index).parentIndex; }
    bool Checked(int index) const { return m_model.Item(index).checked; }
    void Checked(int index, bool checked) { m_model.SetChecked(index, checked); }
    bool Enabled(int index) const { return m_model.Item(index).enabled; }
    void Enabled(int index, bool enabled) { m_model.SetEnabled(index, enabled); }
    bool Visible(int index) const { return m_model.Item(index).visible; }
    void Visible(int index, bool visible) { m_model.SetVisible(index, visible); }
    std::string HelpText(int index) const { return m_model.Item(index).helpText; }
    void HelpText(int index, const std::string& helpText) { m_model.SetHelpText(index, helpText); }
    bool Header(int index) const { return m_model.Item(index).header; }
    void Header(int index, bool header) { m_model.SetHeader(index, header); }
    int MenuItemHeight(int index) const { return m_model.Item(index).height; }

    bool NoMenuAnimation() const { return m_noMenuAnimation; }
    void NoMenuAnimation(bool value) { m_noMenuAnimation = value; }

    // Listening to a window's menu messages.
    void StartListening(HWND hwnd);
    void StopListening();

    // Events.
    std::function<void(int index)> Click;
    std::function<void(int index)> ItemHighlight;
    std::function<void()> MenuExit;
    std::function<void(int parentIndex)> InitPopupMenu;  // 0 for the top-level menu
    std::function<void(int parentIndex)> UnInitPopupMenu;
    // After the class has drawn or measured an item; the handler may draw over it or resize it.
    std::function<void(int index, HDC dc, const RECT& bounds, UINT state)> DrawItem;
    std::function<void(int index, UINT& width, UINT& height)> MeasureItem;

    SubclassResponse Response() const override { return m_response; }
    void Response(SubclassResponse response) override { m_response = response; }
    std::intptr_t WindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

private:
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(MEASUREITEMSTRUCT& measure);
    LRESULT OnDrawItem(const DRAWITEMSTRUCT& draw);
    LRESULT OnMenuChar(WCHAR character, UINT flags, HMENU menu);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnInitMenuPopup(HMENU menu, bool windowMenu, bool opening);
    void OnSettingChange();
    void OnDestroy();
    void ProcessClick(int index);
    int ItemOfEntry(HMENU menu, UINT_PTR id) const;

    Win32NativeMenus m_natives;
    PopupMenuModel m_model;
    PopupMenuPainter m_painter;
    HWND m_owner = nullptr;
    HWND m_listening = nullptr;
    SubclassResponse m_response = SubclassResponse::CallPreviousAfter;
    bool m_noMenuAnimation = false;
};

}  // namespace snapwright::win32
