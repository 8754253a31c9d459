#include "capture/TrayProgram.h"

#include "capture/StartWindowControls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CaptureSpine.h"
#include "fakes/FakeForm.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::Return;

class MockTrayIcon : public ITrayIcon {
public:
    MOCK_METHOD(bool, Add, (const std::string&), (override));
    MOCK_METHOD(void, Remove, (), (override));
};

// Keeps the captions it is given and answers with the item the test chooses.
class FakePopupMenu : public IPopupMenu {
public:
    FakePopupMenu(std::vector<std::string>& captions, int chosen) : m_captions(captions), m_chosen(chosen) {}
    void SetOwner(WindowRef) override {}
    void SetFont(const std::string&, int) override {}
    void Clear() override { m_captions.clear(); }
    int AddItem(const std::string& caption) override {
        m_captions.push_back(caption);
        return static_cast<int>(m_captions.size());
    }
    void Store(const std::string&) override {}
    int ShowPopupAbsolute(int, int) override { return m_chosen; }

private:
    std::vector<std::string>& m_captions;
    int m_chosen;
};

class TrayProgramTest : public ::testing::Test, protected CaptureSpine {
protected:
    TrayProgramTest() {
        windows.rectangles[kWindowInFront] = WindowEdges{10, 10, 410, 310};
        windows.foreground = kWindowInFront;
    }

    // Right-clicks the icon and chooses the menu's item `index` (0: nothing).
    void Choose(int index) {
        chosen = index;
        program.OnTrayIcon(kWmRButtonUp);
    }
    TrayProgram::Actions Actions() {
        TrayProgram::Actions actions;
        actions.openInEditor = [this](PicturePtr shot) { edited.push_back(shot); };
        actions.windowInFront = [this] { return windows.foreground; };
        actions.waitForRepaint = [this] { windows.foreground = kMenuOwner; };  // the menu took the foreground
        actions.newPopupMenu = [this] { return std::make_unique<FakePopupMenu>(captions, chosen); };
        actions.mayEnd = [this] { return mayEnd; };
        actions.endProgram = [this] { ++ended; };
        actions.scrollWindow = [this](WindowRef window) {
            scrolledWindows.push_back(window);
            return scrolled;
        };
        actions.inform = [this](const std::string& text) { told.push_back(text); };
        return actions;
    }

    static constexpr WindowRef kWindowInFront = 0x7000;
    static constexpr WindowRef kMenuOwner = 0x8000;
    FakeForm form;
    SettingsManager manager{store, settings};
    ShotDestinations destinations{settings, {}};
    Hotkeys hotkeys{service, messages, engine, currentShot, destinations, store, settings};
    ::testing::NiceMock<MockTrayIcon> tray;
    std::vector<std::string> captions;
    std::vector<PicturePtr> edited;
    std::vector<WindowRef> scrolledWindows;
    ScrollOutcome scrolled;
    std::vector<std::string> told;
    int chosen = 0;
    bool mayEnd = true;  // what the editor's question about unsaved edits is answered
    int ended = 0;
    TrayProgram program{form, manager, settings, hotkeys, tray, Actions()};
};

// The e2e tests show the start window, its check box, the tray menu's items and that the icon's
// clicks wait while a dialog from the menu is open.
TEST_F(TrayProgramTest, ANewTaskbarGetsTheIconAgainButNotAfterTheUnload) {
    EXPECT_CALL(tray, Add("Snapwright\u2122 V1.1.9")).Times(2).WillRepeatedly(Return(true));
    ASSERT_TRUE(program.OnLoad());
    program.OnTaskbarCreated();
    program.OnUnload();
    program.OnTaskbarCreated();
}

// The start window names the options item as the tray menu shows it, in the stored language.
TEST_F(TrayProgramTest, TheStartWindowSpeaksTheStoredLanguage) {
    store.Put("Language", "9");
    ASSERT_TRUE(program.OnLoad());
    EXPECT_EQ(form.State(StartWindowControl::OptionsHint).text,
              "Du konfigurerer Snapwright™ ved å høyreklikke på ikonet på oppgavelinjen og velge \"Innstillinger\".");
    EXPECT_EQ(form.State(StartWindowControl::ShowAtStartupBox).text, "Vis dette skjermbildet ved oppstart");
    EXPECT_EQ(form.State(StartWindowControl::OkButton).fontName, "Arial");
}

// The user sees that the program runs before he reads which keys it runs without.
TEST_F(TrayProgramTest, TakenKeysAreToldOnceTheTrayIconIsThere) {
    service.taken = {{kModControl | kModShift, kVkSnapshot}};
    EXPECT_CALL(tray, Add).WillOnce([this](const std::string&) {
        EXPECT_TRUE(messages.errors.empty());
        return true;
    });
    ASSERT_TRUE(program.OnLoad());
    EXPECT_EQ(messages.errors.size(), 1u);
}

// An entry shows the key that does the same: the region key always, a send key when the editor
// is the send destination; a key that is missing is not shown, and the menu tries it first.
TEST_F(TrayProgramTest, TheCaptureEntriesComeFirstWithTheKeysThatDoTheSame) {
    service.taken = {{kModControl | kModShift, kVkSnapshot}};
    ASSERT_TRUE(program.OnLoad());
    Choose(0);
    EXPECT_EQ(captions, (std::vector<std::string>{"Screen", "Window in front", "Region", "Scrolling window", "Editor",
                                                  "-", "Options", "Information", "Leave Menu", "Exit"}));
    service.taken.clear();
    settings.SendTo = SendTarget::Editor;
    settings.Language = 1;
    Choose(0);
    EXPECT_EQ(captions, (std::vector<std::string>{"Bildschirm\tStrg+Druck",
                                                  "Fenster im Vordergrund\tStrg+Alt+Druck",
                                                  "Bereich\tStrg+Umschalt+Druck", "Fenster mit Bildlauf", "Editor",
                                                  "-", "Optionen", "Info", "Men\u00fc verlassen", "Beenden"}));
}

// Exit, the menu's last item, ends the program only once the editor's unsaved edits are let go
// of: kept (Cancel), the program runs on with its icon and keys.
TEST_F(TrayProgramTest, ExitEndsTheProgramOnlyWhenTheEditorLetsItsEditsGo) {
    ASSERT_TRUE(program.OnLoad());
    Choose(0);
    const int exit = static_cast<int>(captions.size());
    ASSERT_EQ(captions.back(), "Exit");

    mayEnd = false;
    EXPECT_CALL(tray, Remove()).Times(0);
    Choose(exit);
    EXPECT_EQ(ended, 0);
    ::testing::Mock::VerifyAndClearExpectations(&tray);

    mayEnd = true;
    EXPECT_CALL(tray, Remove()).Times(::testing::AtLeast(1));
    Choose(exit);
    EXPECT_EQ(ended, 1);
}

// The window in front before the menu opened is scrolled; its picture opens in the editor, and what
// the capture has to say about where it ended is told after it.
TEST_F(TrayProgramTest, AScrollingWindowIsTheWindowInFrontTakenWholeAndOpenedInTheEditor) {
    ASSERT_TRUE(program.OnLoad());
    scrolled = {std::make_shared<FakePicture>(400, 5000, 3), ScrollEnding::HeightLimit, "It ends there."};
    Choose(4);
    EXPECT_EQ(scrolledWindows, std::vector<WindowRef>{kWindowInFront});
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0], scrolled.picture);
    EXPECT_EQ(told, std::vector<std::string>{"It ends there."});

    scrolled = {};  // not read: the user has been told by the capture
    Choose(4);
    EXPECT_EQ(edited.size(), 1u);
    EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace snapwright
