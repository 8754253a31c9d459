#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/NativeMenus.h"
#include "ui/PopupMenuItem.h"

namespace snapwright {

// The items of a popup menu (1-based, in adding order), their command identifiers, heights and
// named stores, and the native owner-drawn menus built from them.
class PopupMenuModel {
public:
    using Report = std::function<void(const std::string&)>;

    static constexpr std::uintptr_t kCommandCounterStart = 2048;
    static constexpr int kSeparatorHeight = 6;

    // `report` receives the texts of internal failures.
    PopupMenuModel(INativeMenus& natives, Report report);
    ~PopupMenuModel();
    PopupMenuModel(const PopupMenuModel&) = delete;
    PopupMenuModel& operator=(const PopupMenuModel&) = delete;

    void Clear();
    int AddItem(const std::string& caption, const std::string& helpText = {}, std::intptr_t itemData = 0,
                int parentIndex = 0, int iconIndex = -1, bool checked = false, bool enabled = true,
                const std::string& key = {});
    // Puts a new item at `index` (1 to Count + 1); the items from there on move up by one. Its
    // parent comes before it.
    int InsertItem(int index, const std::string& caption, const std::string& helpText = {},
                   std::intptr_t itemData = 0, int parentIndex = 0, int iconIndex = -1, bool checked = false,
                   bool enabled = true, const std::string& key = {});
    // Gives item `index` new contents in its place (same parent and identifiers).
    void ReplaceItem(int index, const std::string& caption, const std::string& helpText = {},
                     std::intptr_t itemData = 0, int iconIndex = -1, bool checked = false, bool enabled = true,
                     const std::string& key = {});
    // Removes item `index` with its children.
    void RemoveItem(int index);

    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsIndex(int index) const { return index >= 1 && index <= Count(); }
    const PopupMenuItem& Item(int index) const;
    int ItemForId(std::uintptr_t id) const;
    std::uintptr_t IdForItem(int index) const;
    int IndexForKey(const std::string& key) const;

    void SetCaption(int index, const std::string& caption);
    void SetHelpText(int index, const std::string& helpText);
    void SetItemKey(int index, const std::string& key);
    void SetItemData(int index, std::intptr_t itemData);
    void SetChecked(int index, bool checked);
    void SetEnabled(int index, bool enabled);
    void SetVisible(int index, bool visible);
    void SetHeader(int index, bool header);

    // The height of a line of the menu font; every item's height follows from it.
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int textHeight);

    void Store(const std::string& key);
    void Restore(const std::string& key);
    const std::string& CurrentlyRestoredKey() const { return m_currentKey; }

    MenuHandle TopMenu() const { return m_topMenu; }
    bool OwnsMenu(MenuHandle menu) const;
    // The items whose entries `menu` holds, in the order of the entries.
    std::vector<int> ItemsInMenu(MenuHandle menu) const;
    // The item whose children `menu` holds, 0 for the top-level menu or a menu not ours.
    int ParentOfMenu(MenuHandle menu) const;
    // The position of an item's entry in its menu, -1 when it has none.
    int PositionOf(int index) const;

private:
    PopupMenuItem& At(int index);
    void ChangeEntry(int index, const std::function<void(PopupMenuItem&)>& change);
    std::uintptr_t NextCommandId(int newCount);
    bool IdInUse(std::uintptr_t id) const;
    void Describe(PopupMenuItem& item, const std::string& caption) const;
    int HeightOf(const PopupMenuItem& item) const;
    static MenuEntry EntryOf(const PopupMenuItem& item);
    MenuHandle CreateSubMenu();
    bool AddEntry(int index, const char* failure);
    void UpdateEntry(int index);
    void DestroyNativeMenus();
    void RebuildNativeMenus(const char* failure);
    void Touched() { m_currentKey.clear(); }

    INativeMenus& m_natives;
    Report m_report;
    std::vector<PopupMenuItem> m_items;
    std::uintptr_t m_commandCounter = kCommandCounterStart;
    MenuHandle m_topMenu = 0;
    std::vector<MenuHandle> m_subMenus;
    int m_textHeight = 0;
    std::vector<std::pair<std::string, std::vector<PopupMenuItem>>> m_stores;
    std::string m_currentKey;
};

}  // namespace snapwright
