#include "capture/Hotkeys.h"

#include <gtest/gtest.h>

#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using namespace fakes;

class HotkeysTest : public ::testing::Test {
protected:
    HotkeysTest() {
        windows.foreground = kWindow;
        windows.rectangles[kWindow] = WindowEdges{100, 50, 100 + 640, 50 + 480};
    }

    // Presses the hotkey of table row `number` (1..6).
    void Press(int number) {
        const auto id = idOfRow(number);
        hotkeys.HotkeyWindowProc(kWmHotkey, static_cast<std::uintptr_t>(id));
    }
    int idOfRow(int number) {
        for (const auto& [atom, name] : service.atoms) {
            if (name == kHotkeyTable[static_cast<std::size_t>(number - 1)].atomName) return atom;
        }
        ADD_FAILURE() << "no atom for hotkey " << number;
        return 0;
    }

    static constexpr WindowRef kWindow = 0x5000;
    FakeScreen screen;
    FakeWindowService windows;
    FakeScreenCapture capture;
    FakeClipboard clipboard;
    FakeHotkeyService service;
    FakeUserMessages messages;
    std::vector<std::string> delivered;  // destination and picture serial
    Settings settings;
    ShotDestinations destinations{settings,
                                  {[this](PicturePtr shot) {
                                       delivered.push_back("print " + std::to_string(SerialOf(shot)));
                                       return PageOutcome::Printed;
                                   },
                                   [this](PicturePtr shot) {
                                       delivered.push_back("save " + std::to_string(SerialOf(shot)));
                                       return true;
                                   },
                                   nullptr, nullptr, [this] { delivered.push_back("editor"); }}};
    CurrentShot currentShot;
    CaptureEngine engine{screen, windows, capture, clipboard, currentShot};
    Hotkeys hotkeys{service, messages, engine, currentShot, destinations};
};

// The e2e tests press every hotkey; the atoms that name them are seen only here, and they would
// outlive the program in the global atom table.
TEST_F(HotkeysTest, RegistersSixPrintScreenHotkeysUnderTheirAtomsAndFreesThemAll) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    ASSERT_EQ(service.registerCalls.size(), 6u);
    for (int row = 1; row <= 6; ++row) {
        const auto& call = service.registerCalls[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(service.atoms.at(static_cast<std::uint16_t>(call.id)), "Snapwright\u2122" + std::to_string(row));
    }
    EXPECT_TRUE(service.hooked);

    hotkeys.UnregisterHotkeys();
    EXPECT_TRUE(service.registered.empty());
    EXPECT_TRUE(service.atoms.empty());
    EXPECT_FALSE(service.hooked);
}

// A second instance is told in the e2e tests which hotkey the first one holds; Print Screen taken
// by the system's own screen capture is explained with the setting that frees it.
TEST_F(HotkeysTest, TakenHotkeysAreNamedAndEverythingIsUndone) {
    service.takenModifiers = {0, kModAlt};
    service.systemCapture = true;
    EXPECT_FALSE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(service.registerCalls.size(), 6u) << "every hotkey is tried";
    EXPECT_TRUE(service.registered.empty() && service.atoms.empty() && !service.hooked);
    ASSERT_EQ(messages.errors.size(), 1u);
    const std::string& text = messages.errors[0];
    EXPECT_NE(text.find("Print Screen and Alt+Print Screen are already used"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Use the Print screen key to open screen capture\""), std::string::npos) << text;
    EXPECT_NE(text.find("Settings > Accessibility > Keyboard"), std::string::npos) << text;
}

// The e2e tests compare what each hotkey puts on the clipboard with the screen or the window in
// front, and follow the print, save and send hotkeys without and with Alt to their destinations;
// these are the destinations of all six, each with its new shot, which is also the current one.
TEST_F(HotkeysTest, EachHotkeyGoesToItsDestinationWithANewShot) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    settings.SendTo = SendTarget::Editor;
    for (int row = 1; row <= 6; ++row) {
        Press(row);
        EXPECT_EQ(SerialOf(currentShot.Get()), row) << "hotkey " << row;
        EXPECT_EQ(SerialOf(clipboard.held), row) << "hotkey " << row;
    }
    EXPECT_EQ(delivered, (std::vector<std::string>{"print 1", "print 2", "save 3", "save 4", "editor", "editor"}));
}

// Ctrl+Shift+Print Screen is an extra: taken by another program, it is named once and the six run.
TEST_F(HotkeysTest, TheRegionKeyRunsItsCaptureAndATakenOneOnlySaysSo) {
    int regions = 0;
    hotkeys.SetRegionCapture([&regions] { ++regions; });
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    ASSERT_EQ(service.registered.size(), 7u);
    hotkeys.HotkeyWindowProc(kWmHotkey, static_cast<std::uintptr_t>(service.registerCalls.back().id));
    EXPECT_EQ(regions, 1);
    hotkeys.UnregisterHotkeys();
    EXPECT_TRUE(service.atoms.empty());

    service.takenModifiers = {kModControl | kModShift};
    EXPECT_TRUE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(service.atoms.size(), 6u);
    EXPECT_EQ(messages.errors, std::vector<std::string>{TakenRegionHotkeyMessage()});
}

TEST_F(HotkeysTest, AFailedGrabTellsTheUserAndDeliversNothing) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    Press(1);
    capture.fail = true;
    Press(1);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(SerialOf(currentShot.Get()), 1);

    windows.rectangles.clear();  // the window in front cannot be measured
    capture.fail = false;
    Press(2);
    EXPECT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(delivered, (std::vector<std::string>{"print 1"}));
}

}  // namespace
}  // namespace snapwright
