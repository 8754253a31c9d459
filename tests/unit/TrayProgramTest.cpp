#include "capture/TrayProgram.h"

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
    CurrentShot currentShot;
    CaptureEngine engine{screen, windows, capture, clipboard, currentShot};
    Hotkeys hotkeys{hotkeyService, messages, engine, currentShot, destinations};
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

}  // namespace
}  // namespace snapwright
