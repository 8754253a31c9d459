#include "ui/win32/PopupMenu.h"

#include <gtest/gtest.h>

#include <vector>

#include "MessageWindow.h"
#include "ui/win32/IntervalTimer.h"

namespace snapwright::win32 {
namespace {

using snapwright::testing::MessageWindow;

struct Key {
    UINT message;
    WPARAM code;
};

const Key kDown{WM_KEYDOWN, VK_DOWN};
const Key kEscape{WM_KEYDOWN, VK_ESCAPE};
Key Char(wchar_t character) {
    return Key{WM_CHAR, static_cast<WPARAM>(character)};
}

// Shows the menu and types `keys` into it, one per tick of a timer that the menu's own loop
// keeps running. Should the menu stay open, it is ended, so a failing test cannot hang.
int ShowAndType(PopupMenu& menu, HWND owner, const std::vector<Key>& keys) {
    bool open = false;
    menu.InitPopupMenu = [&](int parentIndex) {
        if (parentIndex == 0) open = true;
    };
    std::size_t next = 0;
    int idleTicks = 0;
    IntervalTimer typist;
    typist.Elapsed = [&] {
        if (!open) return;
        if (next < keys.size()) {
            ::PostMessageW(owner, keys[next].message, keys[next].code, 1);
            ++next;
        } else if (++idleTicks == 100) {
            ADD_FAILURE() << "the menu stayed open after the keys";
            ::EndMenu();
        }
    };
    typist.Interval(30);
    const int chosen = menu.ShowPopupAbsolute(120, 100);
    typist.Interval(0);
    return chosen;
}

class PopupMenuTest : public ::testing::Test {
protected:
    PopupMenuTest() {
        menu.Owner(owner.get());
        menu.Font(MenuFont{"Arial", 8});
        menu.Click = [this](int index) { clicks.push_back(index); };
    }

    void AddTrayItems() {
        menu.Clear();
        menu.AddItem("&Options");
        menu.AddItem("&About");
        menu.AddItem("&Leave menu");
        menu.AddItem("E&xit");
    }

    int Count(UINT message) const {
        int count = 0;
        for (UINT received : owner.received) count += received == message ? 1 : 0;
        return count;
    }

    MessageWindow owner;
    PopupMenu menu;
    std::vector<int> clicks;
};

// The e2e tests choose the tray menu's items with the arrow keys and read what it draws.
TEST_F(PopupMenuTest, AnAcceleratorChoosesItsItemAndEscapeNone) {
    menu.AddItem("stale");
    AddTrayItems();  // after Clear: items 1 to 4, commands 2049 to 2052
    const LONG_PTR ownProcedure = ::GetWindowLongPtrW(owner.get(), GWLP_WNDPROC);
    EXPECT_EQ(ShowAndType(menu, owner.get(), {Char(L'l')}), 3);
    EXPECT_EQ(clicks, (std::vector<int>{3}));
    // The menu tells the owner of its loop, and the system's menu loop may tell it again.
    EXPECT_GE(Count(WM_ENTERMENULOOP), 1);
    EXPECT_EQ(Count(WM_EXITMENULOOP), Count(WM_ENTERMENULOOP));
    EXPECT_EQ(owner.received.back(), static_cast<UINT>(WM_EXITMENULOOP)) << "the last word on the menu";
    EXPECT_EQ(::GetWindowLongPtrW(owner.get(), GWLP_WNDPROC), ownProcedure) << "the owner is let go after the menu";

    EXPECT_EQ(ShowAndType(menu, owner.get(), {Char(L'X')}), 4) << "the letter after the & anywhere, either case";
    EXPECT_EQ(ShowAndType(menu, owner.get(), {kDown, kEscape}), 0) << "escape chooses nothing";
    EXPECT_EQ(clicks, (std::vector<int>{3, 4}));
}

TEST_F(PopupMenuTest, TheMenuLetsGoOfAnOwnerThatIsDestroyed) {
    AddTrayItems();
    menu.StartListening(owner.get());
    ::DestroyWindow(owner.get());
    EXPECT_EQ(menu.Count(), 0);
    EXPECT_EQ(menu.Owner(), nullptr);
    EXPECT_EQ(menu.ShowPopupAbsolute(10, 10), 0);
}

}  // namespace
}  // namespace snapwright::win32
