#include "ui/PopupMenuModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace snapwright {
namespace {

// The system's menus as lists of entries; handles are handed out from `nextHandle` on.
class FakeNativeMenus : public INativeMenus {
public:
    MenuHandle CreatePopupMenu() override {
        const MenuHandle menu = nextHandle++;
        menus[menu];
        return menu;
    }
    void DestroyMenu(MenuHandle menu) override {
        for (const MenuEntry& entry : menus[menu]) {
            if (entry.flags & kMenuPopup) DestroyMenu(entry.id);
        }
        menus.erase(menu);
    }
    bool IsMenu(MenuHandle menu) const override { return menus.count(menu) != 0; }
    bool AppendEntry(MenuHandle menu, const MenuEntry& entry) override {
        menus.at(menu).push_back(entry);
        return true;
    }
    bool ModifyEntry(MenuHandle menu, int position, const MenuEntry& entry) override {
        menus.at(menu).at(static_cast<std::size_t>(position)) = entry;
        return true;
    }
    bool SetEntryData(MenuHandle menu, int position, std::intptr_t data) override {
        menus.at(menu).at(static_cast<std::size_t>(position)).data = data;
        return true;
    }
    std::string LastErrorText() const override { return "failed"; }

    const MenuEntry& Entry(MenuHandle menu, int position) const {
        return menus.at(menu).at(static_cast<std::size_t>(position));
    }

    MenuHandle nextHandle = 0x5000;
    std::map<MenuHandle, std::vector<MenuEntry>> menus;
};

class PopupMenuModelTest : public ::testing::Test {
protected:
    PopupMenuModelTest() { model.SetTextHeight(14); }

    // The native entry of an item.
    const MenuEntry& EntryOf(int index) const { return natives.Entry(model.Item(index).menu, model.PositionOf(index)); }

    FakeNativeMenus natives;
    std::vector<std::string> reports;
    PopupMenuModel model{natives, [this](const std::string& text) { reports.push_back(text); }};
};

// What an item is decides its native entry: owner-drawn always; separators, headers and hidden
// items as separators the system never selects; a disabled one grayed; the item's text beside the
// drawing for screen readers; heights from the menu font.
TEST_F(PopupMenuModelTest, EachItemBecomesTheNativeEntryItsKindAndStateCallFor) {
    const int options = model.AddItem("&Options...\tCtrl+O", "help", 7);
    const int separator = model.AddItem("-");
    const int header = model.AddItem("-Capture");
    const int padded = model.AddItem("  - not a command");
    const int exit = model.AddItem("E&xit", {}, 0, 0, -1, true, false);

    EXPECT_EQ(EntryOf(options).flags, kMenuOwnerDraw);
    EXPECT_EQ(EntryOf(options).text, "&Options...");
    EXPECT_EQ(EntryOf(options).data, 7);
    EXPECT_EQ(model.Item(options).shortcut, "Ctrl+O");
    EXPECT_EQ(model.Item(options).accelerator, "O");
    EXPECT_EQ(EntryOf(separator).flags, kMenuOwnerDraw | kMenuSeparator);
    EXPECT_EQ(EntryOf(separator).text, "");
    EXPECT_EQ(EntryOf(header).flags, kMenuOwnerDraw | kMenuSeparator);
    EXPECT_EQ(EntryOf(padded).flags, kMenuOwnerDraw | kMenuSeparator) << "a dash after blanks is not chosen either";
    EXPECT_EQ(EntryOf(exit).flags, kMenuOwnerDraw | kMenuChecked | kMenuGrayed);
    EXPECT_EQ(model.Item(options).height, 20);
    EXPECT_EQ(model.Item(header).height, 15);
    EXPECT_EQ(model.Item(separator).height, PopupMenuModel::kSeparatorHeight);

    // Each change rewrites its own entry and no other.
    model.SetEnabled(exit, true);
    model.SetChecked(options, true);
    model.SetVisible(header, false);
    model.SetVisible(options, false);
    model.SetVisible(options, true);
    EXPECT_EQ(EntryOf(exit).flags, kMenuOwnerDraw | kMenuChecked);
    EXPECT_EQ(EntryOf(options).flags, kMenuOwnerDraw | kMenuChecked);
    EXPECT_EQ(EntryOf(options).text, "&Options...");
    model.SetCaption(options, "|&Settings");
    EXPECT_EQ(EntryOf(options).flags, kMenuOwnerDraw | kMenuChecked | kMenuBarBreak);
    model.SetTextHeight(20);
    EXPECT_EQ(model.Item(exit).height, 26) << "a new font measures every item anew";
    EXPECT_THROW(model.SetChecked(6, true), std::out_of_range);
    EXPECT_TRUE(reports.empty());
}

// A parent's entry opens the sub-menu of its children, whose handle then names the parent; items
// inserted before a parent, or a branch removed, keep every parent with its own children.
TEST_F(PopupMenuModelTest, ChildrenOpenASubMenuAndInsertingOrRemovingKeepsEveryBranchWhole) {
    const int view = model.AddItem("View");
    const int zoom = model.AddItem("Zoom", {}, 0, view);
    model.AddItem("Help");
    const int fit = model.AddItem("Fit", {}, 0, view);

    const MenuHandle subMenu = model.Item(view).subMenu;
    ASSERT_NE(subMenu, 0u);
    EXPECT_EQ(EntryOf(view).flags & kMenuPopup, kMenuPopup);
    EXPECT_EQ(EntryOf(view).id, subMenu);
    EXPECT_EQ(model.ItemForId(subMenu), view);
    EXPECT_EQ(model.ParentOfMenu(subMenu), view);
    EXPECT_EQ(model.ItemsInMenu(subMenu), (std::vector<int>{zoom, fit}));
    EXPECT_EQ(model.PositionOf(fit), 1) << "second in its own menu";
    EXPECT_EQ(model.ItemForId(model.IdForItem(zoom)), zoom);

    model.InsertItem(1, "New");
    EXPECT_EQ(model.Item(3).parentIndex, 2);
    EXPECT_EQ(model.Item(5).caption, "Fit");
    EXPECT_EQ(model.ItemsInMenu(model.Item(2).subMenu), (std::vector<int>{3, 5}));
    model.SetChecked(5, true);
    EXPECT_EQ(natives.Entry(model.Item(2).subMenu, 1).flags & kMenuChecked, kMenuChecked);

    model.RemoveItem(2);
    ASSERT_EQ(model.Count(), 2);
    EXPECT_EQ(model.Item(2).caption, "Help");
    EXPECT_EQ(model.Item(2).parentIndex, 0);
    EXPECT_EQ(natives.menus.size(), 1u) << "the sub-menu went with its branch";
    EXPECT_THROW(model.InsertItem(2, "Orphan", {}, 0, 2), std::out_of_range) << "a parent comes first";
}

// Command identifiers and sub-menu handles share the system's messages: a sub-menu handle that
// equals an item's identifier is refused, and no two items share an identifier.
TEST_F(PopupMenuModelTest, NoSubMenuHandleEqualsAnItemsIdentifier) {
    const int first = model.AddItem("First");
    natives.nextHandle = model.IdForItem(first);
    const int parent = model.AddItem("Parent");
    model.AddItem("Child", {}, 0, parent);
    EXPECT_NE(model.Item(parent).subMenu, model.IdForItem(first));
    EXPECT_EQ(model.ItemForId(model.IdForItem(first)), first);
    std::vector<std::uintptr_t> ids;
    for (int index = 1; index <= model.Count(); ++index) ids.push_back(model.Item(index).itemId);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

// A stored menu comes back as it was stored; a change after a restore makes the next restore of
// the same key build it again.
TEST_F(PopupMenuModelTest, AStoredMenuComesBackAsItWasAfterChanges) {
    model.AddItem("&Options");
    model.AddItem("E&xit");
    model.Store("tray");
    model.Clear();
    model.AddItem("Other");
    model.Restore("tray");
    ASSERT_EQ(model.Count(), 2);
    EXPECT_EQ(EntryOf(2).text, "E&xit");
    EXPECT_EQ(model.CurrentlyRestoredKey(), "tray");

    model.SetEnabled(2, false);
    EXPECT_EQ(model.CurrentlyRestoredKey(), "");
    model.Restore("tray");
    EXPECT_EQ(EntryOf(2).flags & kMenuGrayed, 0u);
    model.Restore("unknown");
    EXPECT_EQ(model.Count(), 2);
}

}  // namespace
}  // namespace snapwright
