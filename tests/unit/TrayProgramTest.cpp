#include "capture/TrayProgram.h"

#include "capture/StartWindowControls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeForm.h"
#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using namespace fakes;
using ::testing::Return;

class MockTrayIcon : public ITrayIcon {
public:
    MOCK_METHOD(bool, Add, (const std::string&), (override));
    MOCK_METHOD(void, Remove, (), (override));
};

class TrayProgramTest : public ::testing::Test {
protected:
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
    ShotDestinations destinations{settings, {}};
    CaptureSlots slots;
    CaptureEngine engine{screen, windows, capture, clipboard, slots};
    Hotkeys hotkeys{hotkeyService, messages, engine, slots, destinations};
    ::testing::NiceMock<MockTrayIcon> tray;
    TrayProgram program{form, manager, settings, hotkeys, tray, {}};
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

}  // namespace
}  // namespace snapwright
