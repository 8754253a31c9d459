#include "ui/PopupMenuModel.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace snapwright {
namespace {

// Popup menus as the system keeps them: entries per menu, and destroying a menu destroys the
// sub-menus of its pop-up entries.
class FakeNativeMenus : public INativeMenus {
public:
    MenuHandle CreatePopupMenu() override {
        const MenuHandle menu = nextHandle++;
        menus[menu];
        return menu;
    }
    void DestroyMenu(MenuHandle menu) override {
        const auto found = menus.find(menu);
        if (found == menus.end()) {
            ++destroyedTwice;
            return;
        }
        const std::vector<MenuEntry> entries = found->second;
        menus.erase(found);
        for (const MenuEntry& entry : entries) {
            if ((entry.flags & kMenuPopup) && menus.count(entry.id)) DestroyMenu(entry.id);
        }
    }
    bool IsMenu(MenuHandle menu) const override { return menus.count(menu) != 0; }
    bool AppendEntry(MenuHandle menu, const MenuEntry& entry) override {
        if (!menus.count(menu)) return false;
        menus[menu].push_back(entry);
        return true;
    }
    bool ModifyEntry(MenuHandle menu, int position, const MenuEntry& entry) override {
        ++modifications;
        if (!menus.count(menu) || position < 0 || position >= static_cast<int>(menus[menu].size())) return false;
        menus[menu][static_cast<std::size_t>(position)] = entry;
        return true;
    }
    bool SetEntryData(MenuHandle menu, int position, std::intptr_t data) override {
        if (!menus.count(menu) || position < 0 || position >= static_cast<int>(menus[menu].size())) return false;
        menus[menu][static_cast<std::size_t>(position)].data = data;
        return true;
    }
    std::string LastErrorText() const override { return "Invalid menu handle."; }

    std::vector<std::uintptr_t> Ids(MenuHandle menu) const {
        std::vector<std::uintptr_t> ids;
        for (const MenuEntry& entry : menus.at(menu)) ids.push_back(entry.id);
        return ids;
    }

    std::map<MenuHandle, std::vector<MenuEntry>> menus;
    MenuHandle nextHandle = 0x10000;
    int destroyedTwice = 0;
    int modifications = 0;
};

class PopupMenuModelTest : public ::testing::Test {
protected:
    PopupMenuModelTest() { model.SetTextHeight(16); }

    FakeNativeMenus natives;
    std::vector<std::string> reports;
    PopupMenuModel model{natives, [this](const std::string& text) { reports.push_back(text); }};
};

using Ids = std::vector<std::uintptr_t>;

TEST_F(PopupMenuModelTest, ClearDestroysTheMenusAndFourItemsThenGetIndexesOneToFourAndIds2049On) {
    model.AddItem("File");
    model.AddItem("New", "", 0, 1);
    model.Clear();
    EXPECT_TRUE(natives.menus.empty()) << "the top-level menu and its sub-menu are gone";
    EXPECT_EQ(natives.destroyedTwice, 0);

    const std::vector<int> indexes = {model.AddItem("Options"), model.AddItem("About"), model.AddItem("Leave menu"),
                                      model.AddItem("Exit")};
    EXPECT_EQ(indexes, (std::vector<int>{1, 2, 3, 4}));
    for (int index = 1; index <= 4; ++index) EXPECT_EQ(model.ItemForId(2048u + index), index);
    EXPECT_EQ(model.ItemForId(2053), 0);
    EXPECT_EQ(natives.Ids(model.TopMenu()), (Ids{2049, 2050, 2051, 2052}));
    for (const MenuEntry& entry : natives.menus[model.TopMenu()]) EXPECT_EQ(entry.flags, kMenuOwnerDraw);
    EXPECT_TRUE(reports.empty());
}

TEST_F(PopupMenuModelTest, ItemHeightsFollowTheTextHeight) {
    model.AddItem("Normal");
    model.AddItem("-Heading");
    model.AddItem("-");
    EXPECT_EQ(model.Item(1).height, 22);
    EXPECT_EQ(model.Item(2).height, 16) << "(16 + 6) * 3 / 4";
    EXPECT_EQ(model.Item(3).height, 6);
    EXPECT_EQ(natives.menus[model.TopMenu()][1].flags, kMenuOwnerDraw | kMenuSeparator);
    EXPECT_EQ(natives.menus[model.TopMenu()][2].flags, kMenuOwnerDraw | kMenuSeparator);

    const int before = natives.modifications;
    model.SetTextHeight(21);
    EXPECT_EQ(model.Item(1).height, 27);
    EXPECT_EQ(model.Item(2).height, 20) << "(21 + 6) * 3 / 4 in whole numbers";
    EXPECT_EQ(natives.modifications - before, 3) << "every entry is written again to be measured anew";
}

TEST_F(PopupMenuModelTest, ASubMenuHandleEqualToAnItemIdIsNotUsed) {
    model.AddItem("Parent");
    model.AddItem("Other");
    natives.nextHandle = 2050;  // the next menus would carry the identifiers of items 2 and 3
    const int child = model.AddItem("Child", "", 0, 1);
    EXPECT_EQ(model.Item(child).itemId, 2051u);
    EXPECT_EQ(model.Item(1).subMenu, 2052u);
    EXPECT_EQ(model.ItemForId(2050), 2) << "the identifier still finds its own item";
    EXPECT_EQ(model.ItemForId(2051), child);
    EXPECT_FALSE(natives.IsMenu(2050) || natives.IsMenu(2051)) << "the refused menus are not left behind";
}

TEST_F(PopupMenuModelTest, StoreAndRestoreByKey) {
    model.AddItem("Options");
    model.AddItem("About", "help", 7, 0, -1, true);
    model.AddItem("Sub", "", 0, 2);
    model.Store("Main");
    model.Clear();
    model.AddItem("Something else");
    model.Restore("Main");

    ASSERT_EQ(model.Count(), 3);
    EXPECT_EQ(model.CurrentlyRestoredKey(), "Main");
    EXPECT_EQ(model.Item(2).helpText, "help");
    EXPECT_TRUE(model.Item(2).checked);
    // The native menus are built anew, with a fresh sub-menu as the parent's lookup id.
    const MenuHandle subMenu = model.Item(2).subMenu;
    ASSERT_TRUE(natives.IsMenu(subMenu));
    EXPECT_EQ(model.IdForItem(2), subMenu);
    EXPECT_EQ(natives.Ids(model.TopMenu()), (Ids{2049, subMenu}));
    EXPECT_EQ(natives.Ids(subMenu), (Ids{2051}));
    EXPECT_EQ(natives.menus[model.TopMenu()][1].data, 7);
    EXPECT_EQ(natives.menus.size(), 2u) << "the menus of the replaced items are gone";
    EXPECT_EQ(model.Item(model.AddItem("Added")).itemId, 2052u) << "new identifiers pass the restored ones";
    EXPECT_TRUE(reports.empty());
}

TEST_F(PopupMenuModelTest, InsertingAndRemovingKeepEveryParentRight) {
    model.AddItem("File");
    model.AddItem("Open", "", 0, 1);
    model.AddItem("Edit");
    model.AddItem("Copy", "", 0, 3);
    EXPECT_EQ(model.InsertItem(3, "View"), 3);
    EXPECT_EQ(model.Item(5).parentIndex, 4) << "Copy follows Edit up";
    EXPECT_EQ(model.Item(3).itemId, 2053u);
    EXPECT_EQ(model.ItemsInMenu(model.TopMenu()), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(natives.Ids(model.Item(4).subMenu), (Ids{model.Item(5).itemId}));
    EXPECT_THROW(model.InsertItem(7, "Too far"), std::out_of_range);
    EXPECT_THROW(model.InsertItem(2, "Own parent", "", 0, 2), std::out_of_range);

    model.RemoveItem(1);  // File takes Open along
    ASSERT_EQ(model.Count(), 3);
    EXPECT_EQ(model.Item(3).parentIndex, 2) << "Copy follows Edit down";
    EXPECT_EQ(model.ItemForId(model.Item(2).subMenu), 2);
    EXPECT_EQ(natives.menus.size(), 2u);
}

TEST_F(PopupMenuModelTest, PropertyChangesRewriteTheEntryInPlace) {
    model.AddItem("One");
    model.AddItem("Two");
    model.SetChecked(2, true);
    model.SetEnabled(2, false);
    EXPECT_EQ(natives.menus[model.TopMenu()][1].flags, kMenuOwnerDraw | kMenuChecked | kMenuGrayed);
    model.SetVisible(1, false);
    EXPECT_EQ(natives.menus[model.TopMenu()][0].flags, kMenuOwnerDraw | kMenuSeparator)
        << "a hidden item is an entry that cannot be chosen";
    model.SetCaption(2, "-Now a header");
    EXPECT_EQ(model.Item(2).height, 16);
    model.ReplaceItem(1, "&Replaced", "", 99);
    EXPECT_EQ(natives.menus[model.TopMenu()][0].data, 99);
    EXPECT_EQ(model.Item(1).itemId, 2049u) << "replaced in place";
}

}  // namespace
}  // namespace snapwright
