#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/ISubclass.h"
#include "ui/MenuFont.h"
#include "ui/PopupMenuModel.h"
#include "ui/win32/PopupMenuPainter.h"
#include "ui/win32/Win32NativeMenus.h"

namespace snapwright::win32 {

// The owner-drawn popup menu: items with captions, keys, check marks, headers and sub-menus,
// built as native popup menus, shown at a screen position and answered through the owner
// window's menu messages, to which it listens while a menu is open.
class cPopupMenu : public ISubclass {
public:
    cPopupMenu();
    ~cPopupMenu() override;
    cPopupMenu(const cPopupMenu&) = delete;
    cPopupMenu& operator=(const cPopupMenu&) = delete;

    HWND hwndOwner() const { return m_owner; }
    // Empties the menu and takes the window that owns it from now on.
    void hwndOwner(HWND owner);
    const MenuFont& Font() const { return m_painter.Font(); }
    void Font(const MenuFont& font);

    void Clear();
    // Returns the new item's index (1-based, in adding order).
    int AddItem(const std::string& sCaption, const std::string& sHelptext = {}, std::intptr_t lItemData = 0,
                int lParentIndex = 0, int lIconIndex = -1, bool bChecked = false, bool bEnabled = true,
                const std::string& sKey = {});
    int InsertItem(int lIndex, const std::string& sCaption, const std::string& sHelptext = {},
                   std::intptr_t lItemData = 0, int lParentIndex = 0, int lIconIndex = -1, bool bChecked = false,
                   bool bEnabled = true, const std::string& sKey = {});
    void ReplaceItem(int lIndex, const std::string& sCaption, const std::string& sHelptext = {},
                     std::intptr_t lItemData = 0, int lIconIndex = -1, bool bChecked = false, bool bEnabled = true,
                     const std::string& sKey = {});
    void RemoveItem(int lIndex);

    void Store(const std::string& sKey) { m_model.Store(sKey); }
    void Restore(const std::string& sKey) { m_model.Restore(sKey); }
    const std::string& CurrentlyRestoredKey() const { return m_model.CurrentlyRestoredKey(); }

    // Shows the menu at a screen position in pixels, modally; the chosen item's index, 0 when
    // nothing was chosen.
    int ShowPopupAbsolute(int lLeftPixel, int lTopPixel, int lIndex = 0, bool bTryToKeepLeft = true);

    int Count() const { return m_model.Count(); }
    int ItemForID(UINT_PTR wID) const { return m_model.ItemForID(wID); }
    UINT_PTR IDForItem(int lIndex) const { return m_model.IDForItem(lIndex); }
    int IndexForKey(const std::string& sKey) const { return m_model.IndexForKey(sKey); }
    HMENU hMenu() const { return reinterpret_cast<HMENU>(m_model.TopMenu()); }

    std::string Caption(int lIndex) const { return m_model.Item(lIndex).caption; }
    void Caption(int lIndex, const std::string& sCaption) { m_model.SetCaption(lIndex, sCaption); }
    std::string ItemKey(int lIndex) const { return m_model.Item(lIndex).key; }
    void ItemKey(int lIndex, const std::string& sKey) { m_model.SetItemKey(lIndex, sKey); }
    std::intptr_t ItemData(int lIndex) const { return m_model.Item(lIndex).itemData; }
    void ItemData(int lIndex, std::intptr_t lItemData) { m_model.SetItemData(lIndex, lItemData); }
    int ItemParentIndex(int lIndex) const { return m_model.Item(lIndex).parentIndex; }
    bool Checked(int lIndex) const { return m_model.Item(lIndex).checked; }
    void Checked(int lIndex, bool bChecked) { m_model.SetChecked(lIndex, bChecked); }
    bool Enabled(int lIndex) const { return m_model.Item(lIndex).enabled; }
    void Enabled(int lIndex, bool bEnabled) { m_model.SetEnabled(lIndex, bEnabled); }
    bool Visible(int lIndex) const { return m_model.Item(lIndex).visible; }
    void Visible(int lIndex, bool bVisible) { m_model.SetVisible(lIndex, bVisible); }
    std::string HelpText(int lIndex) const { return m_model.Item(lIndex).helpText; }
    void HelpText(int lIndex, const std::string& sHelptext) { m_model.SetHelpText(lIndex, sHelptext); }
    bool Header(int lIndex) const { return m_model.Item(lIndex).header; }
    void Header(int lIndex, bool bHeader) { m_model.SetHeader(lIndex, bHeader); }
    int MenuItemHeight(int lIndex) const { return m_model.Item(lIndex).height; }

    bool NoMenuAnimation() const { return m_noMenuAnimation; }
    void NoMenuAnimation(bool value) { m_noMenuAnimation = value; }

    // Listening to a window's menu messages.
    void CreateSubClass(HWND hwnd);
    void DestroySubClass();

    // Events.
    std::function<void(int index)> Click;
    std::function<void(int index)> ItemHighlight;
    std::function<void()> MenuExit;
    std::function<void(int parentIndex)> InitPopupMenu;  // 0 for the top-level menu
    std::function<void(int parentIndex)> UnInitPopupMenu;
    // After the class has drawn or measured an item; the handler may draw over it or resize it.
    std::function<void(int index, HDC dc, const RECT& bounds, UINT state)> DrawItem;
    std::function<void(int index, UINT& width, UINT& height)> MeasureItem;

    SubclassResponse MsgResponse() const override { return m_msgResponse; }
    void MsgResponse(SubclassResponse response) override { m_msgResponse = response; }
    std::intptr_t WindowProc(WindowRef hwnd, std::uint32_t iMsg, std::uintptr_t wParam,
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
    SubclassResponse m_msgResponse = SubclassResponse::CallPreviousAfter;
    bool m_noMenuAnimation = false;
};

}  // namespace snapwright::win32
