#include "capture/TrayProgram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::_;
using ::testing::Return;

class MockTrayIcon : public ITrayIcon {
public:
    MOCK_METHOD(bool, Add, (const std::string&), (override));
    MOCK_METHOD(void, Remove, (), (override));
};

class MockPopupMenu : public IPopupMenu {
public:
    MOCK_METHOD(void, SetOwner, (WindowRef), (override));
    MOCK_METHOD(void, SetFont, (const std::string&, int), (override));
    MOCK_METHOD(void, Clear, (), (override));
    MOCK_METHOD(int, AddItem, (const std::string&), (override));
    MOCK_METHOD(void, Store, (const std::string&), (override));
    MOCK_METHOD(int, ShowPopupAbsolute, (int, int), (override));
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
            actions.newPopupMenu = [this] {
                auto menu = std::make_unique<::testing::NiceMock<MockPopupMenu>>();
                ++menus;
                ON_CALL(*menu, ShowPopupAbsolute(700, 740)).WillByDefault(Return(choice));
                return menu;
            };
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
    ::testing::NiceMock<MockDestinations> destinations;
    CaptureSlots slots;
    CaptureEngine engine{screen, windows, capture, clipboard, slots};
    Hotkeys hotkeys{hotkeyService, messages, engine, slots, settings, destinations};
    ::testing::NiceMock<MockTrayIcon> tray;
    int choice = 0;
    int menus = 0;
    std::vector<std::string> calls;
    std::function<void()> duringDialog;

private:
    std::unique_ptr<TrayProgram> m_main;
};

// The e2e tests show the start window, its check box and the tray menu's items: options, about,
// leave and exit.

TEST_F(TrayProgramTest, TakenHotkeysEndBeforeTheTrayIconExists) {
    hotkeyService.takenModifiers = {kModShift};
    EXPECT_CALL(tray, Add).Times(0);
    EXPECT_FALSE(Main().OnLoad());
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(TrayProgramTest, TrayClicksWhileADialogFromTheMenuIsOpenAreIgnored) {
    ASSERT_TRUE(Main().OnLoad());
    choice = 1;
    bool clicked = false;  // once: a program that let the clicks through would recurse
    duringDialog = [this, &clicked] {
        if (std::exchange(clicked, true)) return;
        Main().OnTrayIcon(kWmRButtonUp);
        Main().OnTrayIcon(kWmLButtonDblClk);
    };
    Main().OnTrayIcon(kWmRButtonUp);
    EXPECT_EQ(calls, std::vector<std::string>{"options"});
    EXPECT_EQ(menus, 1);

    Main().OnTrayIcon(kWmLButtonDblClk);
    Main().OnTrayIcon(0x0200);  // a mouse move does nothing
    EXPECT_EQ(calls, (std::vector<std::string>{"options", "editor"}));
}

TEST_F(TrayProgramTest, ANewTaskbarGetsTheIconAgainButNotAfterTheUnload) {
    EXPECT_CALL(tray, Add("Snapwright\u2122 V1.1.9")).Times(2).WillRepeatedly(Return(true));
    ASSERT_TRUE(Main().OnLoad());
    Main().OnTaskbarCreated();
    Main().OnUnload();
    Main().OnTaskbarCreated();
}

}  // namespace
}  // namespace snapwright
