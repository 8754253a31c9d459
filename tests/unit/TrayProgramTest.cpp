#include "capture/TrayProgram.h"

#include <gtest/gtest.h>

#include "capture/StartWindowControls.h"
#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using namespace fakes;

class FakeTrayIcon : public ITrayIcon {
public:
    bool Add(const std::string& tip) override {
        tips.push_back(tip);
        shown = true;
        return true;
    }
    void Remove() override { shown = false; }
    std::vector<std::string> tips;
    bool shown = false;
};

struct MenuLog {
    WindowRef owner = 0;
    std::string face;
    int points = 0;
    std::vector<std::string> items;
    std::vector<std::string> stores;
    Point shownAt;
    int shows = 0;
};

class FakePopupMenu : public IPopupMenu {
public:
    FakePopupMenu(MenuLog& log, std::function<int()> choose) : m_log(log), m_choose(std::move(choose)) {}
    void SetOwner(WindowRef owner) override { m_log.owner = owner; }
    void SetFont(const std::string& face, int points) override {
        m_log.face = face;
        m_log.points = points;
    }
    void Clear() override { m_log.items.clear(); }
    int AddItem(const std::string& caption) override {
        m_log.items.push_back(caption);
        return static_cast<int>(m_log.items.size());
    }
    void Store(const std::string& key) override { m_log.stores.push_back(key); }
    int ShowPopupAbsolute(int left, int top) override {
        m_log.shownAt = {left, top};
        ++m_log.shows;
        return m_choose();
    }

private:
    MenuLog& m_log;
    std::function<int()> m_choose;
};

class TrayProgramTest : public ::testing::Test {
protected:
    TrayProgram& Main() {
        if (!m_main) {
            TrayProgram::Actions actions;
            actions.showOptions = [this] { calls.push_back("options"); if (duringDialog) duringDialog(); };
            actions.showAbout = [this] { calls.push_back("about"); };
            actions.showEditor = [this] { calls.push_back("editor"); };
            actions.endProgram = [this] { calls.push_back("end"); };
            actions.cursorPosition = [] { return Point{700, 740}; };
            actions.newPopupMenu = [this] { return std::make_unique<FakePopupMenu>(menu, [this] { return choice; }); };
            actions.menuOwner = 0x77;
            m_main = std::make_unique<TrayProgram>(form, manager, settings, hotkeys, tray, std::move(actions));
        }
        return *m_main;
    }

    FakeForm form;
    FakeSettingsStore store;
    Settings settings;
    SettingsManager manager{store, settings};
    FakeScreen screen;
    FakeWindowService windows;
    FakeScreenCapture capture;
    FakeClipboard clipboard;
    FakeHotkeyService hotkeyService;
    FakeUserMessages messages;
    RecordingDestinations destinations;
    CaptureSlots slots;
    CaptureEngine engine{screen, windows, capture, clipboard, slots};
    Hotkeys hotkeys{hotkeyService, messages, engine, slots, settings, destinations};
    FakeTrayIcon tray;
    MenuLog menu;
    int choice = 0;
    std::vector<std::string> calls;
    std::function<void()> duringDialog;

private:
    std::unique_ptr<TrayProgram> m_main;
};

TEST_F(TrayProgramTest, LoadShowsTitleRegistersHotkeysAddsTheIconAndTheStartWindow) {
    ASSERT_TRUE(Main().OnLoad());
    EXPECT_EQ(form.State(StartWindowControl::TitleLabel).text, "Snapwright 1.1");
    EXPECT_EQ(hotkeyService.registered.size(), 6u);
    EXPECT_EQ(tray.tips, std::vector<std::string>{"Snapwright\u2122 V1.1.9"});
    EXPECT_TRUE(form.State(StartWindowControl::ShowAtStartupBox).checked);
    EXPECT_FALSE(form.Hidden());
}

TEST_F(TrayProgramTest, WithoutShowSplashOnlyTheTrayIconAppears) {
    store.Put("ShowSplash", "0");
    ASSERT_TRUE(Main().OnLoad());
    EXPECT_TRUE(form.Hidden());
    EXPECT_TRUE(tray.shown);
}

TEST_F(TrayProgramTest, TakenHotkeysEndBeforeTheTrayIconExists) {
    hotkeyService.takenModifiers = {kModShift};
    EXPECT_FALSE(Main().OnLoad());
    EXPECT_TRUE(tray.tips.empty());
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(TrayProgramTest, ClearingCheck1StoresShowSplashAtOnce) {
    ASSERT_TRUE(Main().OnLoad());
    form.State(StartWindowControl::ShowAtStartupBox).checked = false;
    Main().OnShowAtStartup();
    EXPECT_FALSE(settings.ShowSplash);
    EXPECT_EQ(store.Get("ShowSplash"), "0");
    Main().OnOk();
    EXPECT_TRUE(form.Hidden());
}

TEST_F(TrayProgramTest, TrayMenuHasFourItemsInTheCurrentLanguageAndFont) {
    ASSERT_TRUE(Main().OnLoad());
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(menu.items, (std::vector<std::string>{"Options", "Information", "Leave Menu", "Exit"}));
    EXPECT_EQ(menu.face, "Arial");
    EXPECT_EQ(menu.points, 8);
    EXPECT_EQ(menu.owner, 0x77u);
    EXPECT_EQ(menu.stores, std::vector<std::string>{"Main"});
    EXPECT_EQ(menu.shownAt, (Point{700, 740}));

    settings.Language = 1;
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(menu.items, (std::vector<std::string>{"Optionen", "Info", "Men\u00fc verlassen", "Beenden"}));

    settings.Language = 16;
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(menu.face, "Greek");
    EXPECT_EQ(menu.points, 11);
}

TEST_F(TrayProgramTest, MenuChoicesOpenDialogsLeaveOrExit) {
    ASSERT_TRUE(Main().OnLoad());
    for (int index : {1, 2, 3, 0, 9}) {
        choice = index;
        Main().OnTrayIcon(kWmRButtonUp);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"options", "about"}));
    EXPECT_EQ(hotkeyService.registered.size(), 6u) << "leave and no choice change nothing";

    choice = 4;
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(calls.back(), "end");
    EXPECT_TRUE(hotkeyService.registered.empty());
    EXPECT_TRUE(hotkeyService.atoms.empty());
    EXPECT_FALSE(tray.shown);
}

TEST_F(TrayProgramTest, TrayClicksWhileADialogFromTheMenuIsOpenAreIgnored) {
    ASSERT_TRUE(Main().OnLoad());
    choice = 1;
    duringDialog = [this] {
        EXPECT_TRUE(Main().TrayBusy());
        Main().OnTrayIcon(kWmRButtonUp);
        Main().OnTrayIcon(kWmLButtonDblClk);
    };
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(calls, std::vector<std::string>{"options"});
    EXPECT_EQ(menu.shows, 1);
    EXPECT_FALSE(Main().TrayBusy());

    Main().OnTrayIcon(kWmLButtonDblClk);
    Main().OnTrayIcon(0x0200);  // a mouse move does nothing
    EXPECT_EQ(calls, (std::vector<std::string>{"options", "editor"}));
}

TEST_F(TrayProgramTest, ANewTaskbarGetsTheIconAgainAndUnloadRemovesIt) {
    ASSERT_TRUE(Main().OnLoad());
    Main().OnTaskbarCreated();
    EXPECT_EQ(tray.tips.size(), 2u);
    Main().OnUnload();
    EXPECT_FALSE(tray.shown);
    EXPECT_TRUE(hotkeyService.registered.empty());
    Main().OnTaskbarCreated();
    EXPECT_EQ(tray.tips.size(), 2u) << "no icon after the unload";
}

}  // namespace
}  // namespace snapwright
