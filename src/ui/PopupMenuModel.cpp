#include "ui/PopupMenuModel.h"

#include <algorithm>
#include <stdexcept>

#include "ui/CaptionSyntax.h"

namespace snapwright {

namespace {

// How many menus are made, after the first, in search of one whose handle is not taken as an
// item identifier.
constexpr int kFurtherMenuAttempts = 100;

// Identifiers travel in 32-bit message fields, and sub-menu handles are 32-bit values on every
// Windows; two identifiers are the same when those 32 bits are.
bool SameId(std::uintptr_t a, std::uintptr_t b) {
    return static_cast<std::uint32_t>(a) == static_cast<std::uint32_t>(b);
}

bool BeginsWithDashAfterBlanks(const std::string& caption) {
    const std::size_t first = caption.find_first_not_of(' ');
    return first != std::string::npos && caption[first] == '-';
}

}  // namespace

PopupMenuModel::PopupMenuModel(INativeMenus& natives, Report report)
    : m_natives(natives), m_report(std::move(report)) {}

PopupMenuModel::~PopupMenuModel() {
    DestroyNativeMenus();
}

const PopupMenuItem& PopupMenuModel::Item(int index) const {
    if (!IsIndex(index)) throw std::out_of_range("popup menu item " + std::to_string(index));
    return m_items[static_cast<std::size_t>(index - 1)];
}

PopupMenuItem& PopupMenuModel::At(int index) {
    if (!IsIndex(index)) throw std::out_of_range("popup menu item " + std::to_string(index));
    return m_items[static_cast<std::size_t>(index - 1)];
}

void PopupMenuModel::Clear() {
    DestroyNativeMenus();
    m_items.clear();
    m_commandCounter = kCommandCounterStart;
    Touched();
}

bool PopupMenuModel::IdInUse(std::uintptr_t id) const {
    return std::any_of(m_items.begin(), m_items.end(), [id](const PopupMenuItem& item) {
        return SameId(item.itemId, id) || SameId(item.lookupId, id);
    });
}

std::uintptr_t PopupMenuModel::NextCommandId(int newCount) {
    const auto count = static_cast<std::uintptr_t>(newCount);
    if (m_commandCounter < count) {
        m_commandCounter = count;
    } else {
        ++m_commandCounter;
    }
    while (IdInUse(m_commandCounter)) ++m_commandCounter;
    return m_commandCounter;
}

int PopupMenuModel::HeightOf(const PopupMenuItem& item) const {
    if (item.separator) return kSeparatorHeight;
    if (item.header) return (m_textHeight + 6) * 3 / 4;
    return m_textHeight + 6;
}

void PopupMenuModel::Describe(PopupMenuItem& item, const std::string& caption) const {
    const ParsedCaption parsed = ParseCaption(caption);
    item.caption = caption;
    item.displayCaption = parsed.display;
    item.shortcut = parsed.shortcut;
    item.accelerator = parsed.accelerator;
    item.separator = parsed.separator;
    item.header = parsed.header;
    item.columnBreakWithBar = parsed.columnBreakWithBar;
    item.columnBreak = parsed.columnBreak;
    item.height = HeightOf(item);
}

// Separators and headers are native separators, so the system never selects or executes them;
// a hidden item stays in place as a separator that measures nothing.
MenuEntry PopupMenuModel::EntryOf(const PopupMenuItem& item) {
    MenuEntry entry;
    entry.flags = kMenuOwnerDraw;
    if (item.checked) entry.flags |= kMenuChecked;
    if (!item.enabled) entry.flags |= kMenuGrayed;
    if (item.separator || item.header || BeginsWithDashAfterBlanks(item.caption) || !item.visible) {
        entry.flags |= kMenuSeparator;
    }
    if (item.columnBreakWithBar) entry.flags |= kMenuBarBreak;
    if (item.columnBreak) entry.flags |= kMenuBreak;
    if (item.subMenu != 0) {
        entry.flags |= kMenuPopup;
        entry.id = item.subMenu;
    } else {
        entry.id = item.itemId;
    }
    entry.data = item.itemData;
    if (!(entry.flags & kMenuSeparator)) entry.text = item.displayCaption;
    return entry;
}

int PopupMenuModel::PositionOf(int index) const {
    const PopupMenuItem& item = Item(index);
    if (item.menu == 0) return -1;
    int position = 0;
    for (int other = 1; other < index; ++other) {
        if (m_items[static_cast<std::size_t>(other - 1)].menu == item.menu) ++position;
    }
    return position;
}

// A sub-menu handle serves as its parent item's lookup id, so it must not equal any item's
// identifier; menus are made until one does not.
MenuHandle PopupMenuModel::CreateSubMenu() {
    std::vector<MenuHandle> refused;
    MenuHandle menu = m_natives.CreatePopupMenu();
    while (menu != 0 && IdInUse(menu) && static_cast<int>(refused.size()) < kFurtherMenuAttempts) {
        refused.push_back(menu);
        menu = m_natives.CreatePopupMenu();
    }
    // Kept until now, so that the system could not hand the same handle out again.
    for (MenuHandle handle : refused) m_natives.DestroyMenu(handle);
    if (menu == 0) {
        if (m_report) m_report(" *** Failed to create sub menu *** ");
        return 0;
    }
    if (IdInUse(menu)) {
        m_natives.DestroyMenu(menu);
        if (m_report) m_report("Out of Menu Handles");
        return 0;
    }
    m_subMenus.push_back(menu);
    return menu;
}

bool PopupMenuModel::AddEntry(int index, const char* failure) {
    PopupMenuItem& item = At(index);
    MenuHandle menu = 0;
    if (item.parentIndex == 0) {
        if (m_topMenu == 0) m_topMenu = m_natives.CreatePopupMenu();
        menu = m_topMenu;
    } else {
        PopupMenuItem& parent = At(item.parentIndex);
        if (parent.menu != 0 && parent.subMenu == 0) {
            const MenuHandle subMenu = CreateSubMenu();
            if (subMenu == 0) return false;
            parent.subMenu = subMenu;
            if (!m_natives.ModifyEntry(parent.menu, PositionOf(item.parentIndex), EntryOf(parent))) {
                if (m_report) m_report("Failed to modify menu to add the sub menu " + m_natives.LastErrorText());
                parent.subMenu = 0;
                m_natives.DestroyMenu(subMenu);
                m_subMenus.erase(std::remove(m_subMenus.begin(), m_subMenus.end(), subMenu), m_subMenus.end());
                return false;
            }
            parent.lookupId = subMenu;
        }
        menu = parent.subMenu;
        item.parentId = parent.lookupId;
    }
    if (menu == 0 || !m_natives.AppendEntry(menu, EntryOf(item))) {
        if (m_report) m_report(failure);
        return false;
    }
    item.menu = menu;
    m_natives.SetEntryData(menu, PositionOf(index), item.itemData);
    return true;
}

void PopupMenuModel::UpdateEntry(int index) {
    const PopupMenuItem& item = Item(index);
    if (item.menu == 0) return;
    m_natives.ModifyEntry(item.menu, PositionOf(index), EntryOf(item));
}

void PopupMenuModel::DestroyNativeMenus() {
    // The top-level menu takes the sub-menus attached to it along; what is left are sub-menus
    // that never got attached.
    if (m_topMenu != 0 && m_natives.IsMenu(m_topMenu)) m_natives.DestroyMenu(m_topMenu);
    for (MenuHandle menu : m_subMenus) {
        if (m_natives.IsMenu(menu)) m_natives.DestroyMenu(menu);
    }
    m_subMenus.clear();
    m_topMenu = 0;
}

void PopupMenuModel::RebuildNativeMenus(const char* failure) {
    DestroyNativeMenus();
    for (PopupMenuItem& item : m_items) {
        item.menu = 0;
        item.subMenu = 0;
        item.lookupId = item.itemId;
        item.parentId = 0;
    }
    for (int index = 1; index <= Count(); ++index) AddEntry(index, failure);
}

int PopupMenuModel::AddItem(const std::string& caption, const std::string& helpText, std::intptr_t itemData,
                            int parentIndex, int iconIndex, bool checked, bool enabled, const std::string& key) {
    return InsertItem(Count() + 1, caption, helpText, itemData, parentIndex, iconIndex, checked, enabled, key);
}

int PopupMenuModel::InsertItem(int index, const std::string& caption, const std::string& helpText,
                               std::intptr_t itemData, int parentIndex, int iconIndex, bool checked, bool enabled,
                               const std::string& key) {
    if (index < 1 || index > Count() + 1) throw std::out_of_range("popup menu position " + std::to_string(index));
    // Entries are built in item order, so a parent must come before its children.
    if (parentIndex < 0 || parentIndex >= index) {
        throw std::out_of_range("popup menu parent " + std::to_string(parentIndex));
    }
    Touched();
    PopupMenuItem item;
    item.itemId = NextCommandId(Count() + 1);
    item.lookupId = item.itemId;
    Describe(item, caption);
    item.helpText = helpText;
    item.itemData = itemData;
    item.iconIndex = iconIndex;
    item.checked = checked;
    item.enabled = enabled;
    item.key = key;
    item.parentIndex = parentIndex;

    if (index == Count() + 1) {
        m_items.push_back(std::move(item));
        AddEntry(index, "Failed to add new Menu item");
        return index;
    }
    for (PopupMenuItem& other : m_items) {
        if (other.parentIndex >= index) ++other.parentIndex;
    }
    m_items.insert(m_items.begin() + (index - 1), std::move(item));
    RebuildNativeMenus("Failed to insert new Menu item");
    return index;
}

void PopupMenuModel::ReplaceItem(int index, const std::string& caption, const std::string& helpText,
                                 std::intptr_t itemData, int iconIndex, bool checked, bool enabled,
                                 const std::string& key) {
    PopupMenuItem& item = At(index);
    Touched();
    Describe(item, caption);
    item.helpText = helpText;
    item.itemData = itemData;
    item.iconIndex = iconIndex;
    item.checked = checked;
    item.enabled = enabled;
    item.key = key;
    UpdateEntry(index);
}

void PopupMenuModel::RemoveItem(int index) {
    At(index);
    Touched();
    // Children come after their parents, so one pass finds the whole branch.
    std::vector<bool> removed(m_items.size() + 1, false);
    removed[static_cast<std::size_t>(index)] = true;
    for (int other = index + 1; other <= Count(); ++other) {
        const int parent = m_items[static_cast<std::size_t>(other - 1)].parentIndex;
        if (parent != 0 && removed[static_cast<std::size_t>(parent)]) removed[static_cast<std::size_t>(other)] = true;
    }
    std::vector<int> newIndex(m_items.size() + 1, 0);
    std::vector<PopupMenuItem> kept;
    for (int other = 1; other <= Count(); ++other) {
        if (removed[static_cast<std::size_t>(other)]) continue;
        kept.push_back(m_items[static_cast<std::size_t>(other - 1)]);
        newIndex[static_cast<std::size_t>(other)] = static_cast<int>(kept.size());
    }
    for (PopupMenuItem& item : kept) item.parentIndex = newIndex[static_cast<std::size_t>(item.parentIndex)];
    m_items = std::move(kept);
    RebuildNativeMenus("Failed to add new Menu item");
}

int PopupMenuModel::ItemForId(std::uintptr_t id) const {
    for (int index = 1; index <= Count(); ++index) {
        if (SameId(m_items[static_cast<std::size_t>(index - 1)].lookupId, id)) return index;
    }
    return 0;
}

std::uintptr_t PopupMenuModel::IdForItem(int index) const {
    return IsIndex(index) ? Item(index).lookupId : 0;
}

int PopupMenuModel::IndexForKey(const std::string& key) const {
    for (int index = 1; index <= Count(); ++index) {
        if (m_items[static_cast<std::size_t>(index - 1)].key == key) return index;
    }
    return 0;
}

// Every change of an item that its native entry shows: the stored state the menu was restored from
// no longer holds, and the entry is written again.
void PopupMenuModel::ChangeEntry(int index, const std::function<void(PopupMenuItem&)>& change) {
    Touched();
    change(At(index));
    UpdateEntry(index);
}

void PopupMenuModel::SetCaption(int index, const std::string& caption) {
    ChangeEntry(index, [&](PopupMenuItem& item) { Describe(item, caption); });
}

void PopupMenuModel::SetHelpText(int index, const std::string& helpText) {
    Touched();
    At(index).helpText = helpText;
}

void PopupMenuModel::SetItemKey(int index, const std::string& key) {
    Touched();
    At(index).key = key;
}

void PopupMenuModel::SetItemData(int index, std::intptr_t itemData) {
    ChangeEntry(index, [&](PopupMenuItem& item) { item.itemData = itemData; });
}

void PopupMenuModel::SetChecked(int index, bool checked) {
    ChangeEntry(index, [&](PopupMenuItem& item) { item.checked = checked; });
}

void PopupMenuModel::SetEnabled(int index, bool enabled) {
    ChangeEntry(index, [&](PopupMenuItem& item) { item.enabled = enabled; });
}

void PopupMenuModel::SetVisible(int index, bool visible) {
    ChangeEntry(index, [&](PopupMenuItem& item) { item.visible = visible; });
}

void PopupMenuModel::SetHeader(int index, bool header) {
    ChangeEntry(index, [&](PopupMenuItem& item) {
        item.header = header;
        item.height = HeightOf(item);
    });
}

// Entries are written again so that the system measures every item anew.
void PopupMenuModel::SetTextHeight(int textHeight) {
    m_textHeight = textHeight;
    for (PopupMenuItem& item : m_items) item.height = HeightOf(item);
    for (int index = 1; index <= Count(); ++index) UpdateEntry(index);
}

void PopupMenuModel::Store(const std::string& key) {
    const auto found = std::find_if(m_stores.begin(), m_stores.end(), [&](const auto& store) { return store.first == key; });
    if (found != m_stores.end()) {
        found->second = m_items;
    } else {
        m_stores.emplace_back(key, m_items);
    }
    m_currentKey = key;
}

void PopupMenuModel::Restore(const std::string& key) {
    if (key == m_currentKey) return;
    const auto found = std::find_if(m_stores.begin(), m_stores.end(), [&](const auto& store) { return store.first == key; });
    if (found == m_stores.end()) return;
    Clear();
    m_items = found->second;
    for (PopupMenuItem& item : m_items) {
        item.height = HeightOf(item);
        m_commandCounter = std::max(m_commandCounter, item.itemId);
    }
    RebuildNativeMenus("Failed to restore...");
    m_currentKey = key;
}

bool PopupMenuModel::OwnsMenu(MenuHandle menu) const {
    if (menu == 0) return false;
    return menu == m_topMenu || std::find(m_subMenus.begin(), m_subMenus.end(), menu) != m_subMenus.end();
}

std::vector<int> PopupMenuModel::ItemsInMenu(MenuHandle menu) const {
    std::vector<int> items;
    if (menu == 0) return items;
    for (int index = 1; index <= Count(); ++index) {
        if (m_items[static_cast<std::size_t>(index - 1)].menu == menu) items.push_back(index);
    }
    return items;
}

int PopupMenuModel::ParentOfMenu(MenuHandle menu) const {
    if (menu == 0) return 0;
    for (int index = 1; index <= Count(); ++index) {
        if (m_items[static_cast<std::size_t>(index - 1)].subMenu == menu) return index;
    }
    return 0;
}

}  // namespace snapwright
