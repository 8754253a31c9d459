#include "capture/Hotkeys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

using namespace fakes;
using Expect = std::function<void(MockDestinations&)>;

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
    ::testing::StrictMock<MockDestinations> destinations;
    Settings settings;
    CaptureSlots slots;
    CaptureEngine engine{screen, windows, capture, clipboard, slots};
    Hotkeys hotkeys{service, messages, engine, slots, settings, destinations};
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

// A hotkey another program holds is named; Print Screen taken by the system's own screen capture
// is explained with the setting that frees it.
TEST_F(HotkeysTest, TakenHotkeyIsNamedAndEverythingIsUndone) {
    service.takenModifiers = {kModShift};
    EXPECT_FALSE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(service.registerCalls.size(), 6u) << "every hotkey is tried";
    EXPECT_TRUE(service.registered.empty());
    EXPECT_TRUE(service.atoms.empty());
    EXPECT_FALSE(service.hooked);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("Shift+Print Screen is already used by another program."), std::string::npos)
        << messages.errors[0];
    EXPECT_EQ(messages.errors[0].find("turn off"), std::string::npos);

    service.takenModifiers = {0, kModAlt};
    service.systemCapture = true;
    EXPECT_FALSE(hotkeys.RegisterHotkeys());
    ASSERT_EQ(messages.errors.size(), 2u);
    const std::string& text = messages.errors[1];
    EXPECT_NE(text.find("Print Screen and Alt+Print Screen are already used"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Use the Print screen key to open screen capture\""), std::string::npos) << text;
    EXPECT_NE(text.find("Settings > Accessibility > Keyboard"), std::string::npos) << text;
}

// The e2e tests compare what each hotkey puts on the clipboard with the screen or the window in
// front, and follow the print, save and send hotkeys without and with Alt to their destinations;
// these are the destinations of all six.
TEST_F(HotkeysTest, EachHotkeyGoesToItsDestinationWithANewShot) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    settings.SendTo = 5;
    const Expect print = [](MockDestinations& d) { EXPECT_CALL(d, PrintHardcopy()); };
    const Expect save = [](MockDestinations& d) { EXPECT_CALL(d, StartSaveAs()); };
    const Expect send = [](MockDestinations& d) { EXPECT_CALL(d, OpenEditor()); };
    const Expect destinationOfRow[] = {print, print, save, save, send, send};
    for (int row = 1; row <= 6; ++row) {
        destinationOfRow[row - 1](destinations);
        Press(row);
        ::testing::Mock::VerifyAndClearExpectations(&destinations);
        EXPECT_EQ(SerialOf(slots.Current()), row) << "hotkey " << row;
    }
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

TEST_F(HotkeysTest, FailedGrabTellsTheUserAndKeepsTheCollectedPage) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    settings.NumShots = 2;
    EXPECT_CALL(destinations, PrintHardcopy()).Times(1);
    Press(1);
    const int firstShot = capture.serial;
    capture.fail = true;
    Press(1);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(slots.PageShots(), 1);
    EXPECT_EQ(SerialOf(slots.Slot(1)), firstShot);

    windows.rectangles.clear();  // the window in front cannot be measured
    capture.fail = false;
    Press(2);
    EXPECT_EQ(messages.errors.size(), 2u);
}

TEST_F(HotkeysTest, DispatchSendRoutesBySendToAndOffice) {
    struct Case {
        int sendTo;
        int office;
        Expect expect;
    };
    // The e2e tests send to Word, Excel and Writer, through the ask dialog and to the editor; these
    // are the other routes. Any Office value but 0 means the other suite.
    const Case cases[] = {
        {3, 0, [](MockDestinations& d) { EXPECT_CALL(d, SendToPowerPoint()); }},
        {2, 1, [](MockDestinations& d) { EXPECT_CALL(d, SendToCalc()); }},
        {3, 7, [](MockDestinations& d) { EXPECT_CALL(d, SendToImpress()); }},
        {0, 0, [](MockDestinations&) {}},
        {6, 0, [](MockDestinations&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.sendTo) + "/" + std::to_string(c.office));
        settings.SendTo = static_cast<std::uint8_t>(c.sendTo);
        settings.Office = static_cast<std::uint8_t>(c.office);
        c.expect(destinations);
        hotkeys.DispatchSend();
        ::testing::Mock::VerifyAndClearExpectations(&destinations);
    }
}

}  // namespace
}  // namespace snapwright
