#include "capture/Hotkeys.h"

#include <gtest/gtest.h>

#include "CaptureSpine.h"
#include "capture/KeyMessages.h"

namespace snapwright {
namespace {

using namespace fakes;
using Keys = FakeHotkeyService::Keys;

constexpr Keys kPlainPrint{0, kVkSnapshot};
constexpr Keys kAltPrint{kModAlt, kVkSnapshot};

std::string Atom(int row) {
    return "Snapwright\u2122" + std::to_string(row);
}

class HotkeysTest : public ::testing::Test, protected CaptureSpine {
protected:
    HotkeysTest() {
        windows.foreground = kWindow;
        windows.rectangles[kWindow] = WindowEdges{100, 50, 100 + 640, 50 + 480};
        windows.rectangles[kOtherWindow] = WindowEdges{0, 0, 300, 200};
        hotkeys.SetRegionCapture([this] { delivered.push_back("region"); });
    }

    // Presses the key of table row `number` (1..7).
    void Press(int number) {
        for (const auto& [atom, name] : service.atoms) {
            if (name == Atom(number)) return hotkeys.HotkeyWindowProc(kWmHotkey, atom);
        }
        ADD_FAILURE() << "no atom for hotkey " << number;
    }
    void Tick() { hotkeys.HotkeyWindowProc(kWmTimer, kRetryTimerId); }
    // Windows' own capture holds plain Print Screen while the keys are registered and told.
    void StartBesideWindowsCapture() {
        service.taken = {kPlainPrint};
        service.systemCapture = true;
        ASSERT_TRUE(hotkeys.RegisterHotkeys());
        hotkeys.TellTakenKeys();
    }

    static constexpr WindowRef kWindow = 0x5000;
    static constexpr WindowRef kOtherWindow = 0x6000;
    std::vector<std::string> delivered;  // destination and picture serial
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
    Hotkeys hotkeys{service, messages, engine, currentShot, destinations, store, settings};
};

// The atoms would outlive the program in the global atom table.
TEST_F(HotkeysTest, TheChosenKeysAreRegisteredUnderTheirAtomsAndAllFreedAtTheEnd) {
    store.Put("Hotkey3", "Ctrl+Alt+S");
    store.Put("Hotkey6", "");
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(service.Held(), (std::map<std::string, Keys>{{Atom(1), kPlainPrint},
                                                           {Atom(2), kAltPrint},
                                                           {Atom(3), {kModControl | kModAlt, 'S'}},
                                                           {Atom(4), {kModAlt | kModShift, kVkSnapshot}},
                                                           {Atom(5), {kModControl, kVkSnapshot}},
                                                           {Atom(7), {kModControl | kModShift, kVkSnapshot}}}));
    EXPECT_TRUE(service.hooked);
    EXPECT_FALSE(service.timerRunning) << "every key is held: nothing wakes the program";
    EXPECT_TRUE(messages.errors.empty());

    hotkeys.UnregisterHotkeys();
    EXPECT_TRUE(service.registered.empty());
    EXPECT_TRUE(service.atoms.empty());
    EXPECT_FALSE(service.hooked);
}

// The e2e tests compare what each key puts on the clipboard with the screen or the window in front,
// and follow them to their destinations; these are the destinations of all seven, each with its new
// shot, which is also the current one.
TEST_F(HotkeysTest, EachKeyGoesToItsDestinationWithANewShot) {
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    settings.SendTo = SendTarget::Editor;
    for (int row = 1; row <= 6; ++row) {
        Press(row);
        EXPECT_EQ(SerialOf(currentShot.Get()), row) << "hotkey " << row;
        EXPECT_EQ(SerialOf(clipboard.held), row) << "hotkey " << row;
    }
    Press(7);
    EXPECT_EQ(delivered, (std::vector<std::string>{"print 1", "print 2", "save 3", "save 4", "editor", "editor",
                                                   "region"}));
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

// The tray menu's window entry takes the window that was in front before the menu opened.
TEST_F(HotkeysTest, AShotOfAGivenWindowTakesThatWindow) {
    const PicturePtr shot = hotkeys.TakeShot(GrabKind::ActiveWindow, kOtherWindow);
    ASSERT_TRUE(shot);
    EXPECT_EQ((std::pair{shot->Width(), shot->Height()}), (std::pair{300, 200}));
    EXPECT_EQ(clipboard.held, shot);
    EXPECT_EQ(currentShot.Get(), shot);
}

// Only the procedure that every key's message needs ends the program.
TEST_F(HotkeysTest, WithEveryKeyTakenTheProgramRunsButWithoutItsProcedureItEnds) {
    for (const KeyCombination& keys : DefaultKeyChoices()) service.taken.push_back({keys.modifiers, keys.key});
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    EXPECT_TRUE(service.registered.empty());
    EXPECT_TRUE(service.timerRunning);
    hotkeys.UnregisterHotkeys();

    service.hookWorks = false;
    EXPECT_FALSE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_TRUE(service.registered.empty());
}

// Another program holds two keys: they are named once, and taken silently when they come free,
// on the timer, on a changed setting or when the tray menu opens. The timer runs exactly while a
// key is missing.
TEST_F(HotkeysTest, TakenKeysAreToldOnceAndTakenWhenTheyComeFree) {
    service.taken = {kPlainPrint, kAltPrint};
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    EXPECT_EQ(service.registered.size(), 5u) << "the program runs with the keys it got";
    hotkeys.TellTakenKeys();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(messages.errors[0], TakenKeysMessage({{kPrintScreen, {kModAlt, kVkSnapshot}}}, KeysTakenWhen::AtStart, 0));
    EXPECT_TRUE(service.timerRunning);
    EXPECT_EQ(service.timerMilliseconds, 5000u);

    Tick();
    EXPECT_EQ(service.registered.size(), 5u);
    service.taken = {kAltPrint};
    Tick();
    EXPECT_EQ(service.Held().at(Atom(1)), kPlainPrint);
    EXPECT_TRUE(service.timerRunning) << "Alt+Print Screen is still missing";

    service.taken.clear();
    hotkeys.HotkeyWindowProc(kWmSettingChange, 0);
    EXPECT_EQ(service.Held().at(Atom(2)), kAltPrint);
    EXPECT_FALSE(service.timerRunning);
    const int calls = service.registerCalls;
    Tick();
    hotkeys.RetryMissingKeys();
    EXPECT_EQ(service.registerCalls, calls) << "nothing is tried once every key is held";
    EXPECT_EQ(messages.errors.size(), 1u) << "nothing is said again";
}

// Plain Print Screen held by Windows' own screen capture: the user is asked, and Yes switches it
// off and takes the key at once, or on the timer when Windows lets go later.
TEST_F(HotkeysTest, WindowsCaptureOnPrintScreenIsSwitchedOffOnlyWithConsent) {
    StartBesideWindowsCapture();
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(service.switchOffs, 0) << "No leaves the system as it is";
    EXPECT_TRUE(service.timerRunning);
    hotkeys.UnregisterHotkeys();

    messages.answer = true;
    service.letsGoLater = true;
    StartBesideWindowsCapture();
    EXPECT_EQ(service.switchOffs, 1);
    EXPECT_FALSE(service.systemCapture);
    EXPECT_FALSE(service.Held().contains(Atom(1)));
    service.taken.clear();  // Windows lets go
    Tick();
    EXPECT_EQ(service.Held().at(Atom(1)), kPlainPrint);
    EXPECT_FALSE(service.timerRunning);
    hotkeys.UnregisterHotkeys();

    service.letsGoLater = false;
    StartBesideWindowsCapture();
    EXPECT_EQ(service.Held().at(Atom(1)), kPlainPrint) << "taken at once after Yes";
    EXPECT_FALSE(service.timerRunning);
    hotkeys.UnregisterHotkeys();

    service.switchOffFails = true;
    StartBesideWindowsCapture();
    EXPECT_EQ(messages.errors, std::vector<std::string>{WindowsCaptureNotSwitchedOffMessage(0)});
}

// While the keys dialog is open the program's keys are given back and nothing is retried; a key
// chosen there that another program holds is named and refused, a free one is stored.
TEST_F(HotkeysTest, TheKeysDialogChoosesWhileTheKeysAreSuspended) {
    service.taken = {kAltPrint, {kModControl, 'K'}};
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    hotkeys.Suspend();
    EXPECT_TRUE(service.registered.empty());
    EXPECT_FALSE(service.timerRunning);
    Tick();
    EXPECT_TRUE(service.registered.empty());

    KeyChoices wanted = hotkeys.Choices();
    wanted[0] = wanted[2];  // Shift+Print Screen moves to row 1, which is free while suspended
    wanted[2] = {kModControl, 'K'};
    EXPECT_EQ(hotkeys.ChooseKeys(wanted), std::optional<std::size_t>(2));
    EXPECT_EQ(messages.errors,
              std::vector<std::string>{TakenKeysMessage({{{kModControl, 'K'}}}, KeysTakenWhen::InKeysDialog, 0)});
    EXPECT_TRUE(store.values.empty());

    wanted[2] = {kModControl, 'J'};
    EXPECT_EQ(hotkeys.ChooseKeys(wanted), std::nullopt) << "Alt+Print Screen did not change: it is not refused";
    EXPECT_EQ(store.Get("Hotkey1"), "Shift+Print Screen");
    EXPECT_EQ(store.Get("Hotkey3"), "Ctrl+J");
    EXPECT_TRUE(service.registered.empty()) << "taken when the keys resume";

    hotkeys.Resume();
    EXPECT_EQ(service.Held().at(Atom(1)), (Keys{kModShift, kVkSnapshot}));
    EXPECT_EQ(service.Held().at(Atom(3)), (Keys{kModControl, 'J'}));
    EXPECT_TRUE(service.timerRunning) << "Alt+Print Screen is still missing";
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(HotkeysTest, PrintScreenChosenWhileWindowsHoldsItIsAskedAbout) {
    store.Put("Hotkey1", "");
    service.taken = {kPlainPrint};
    service.systemCapture = true;
    service.letsGoLater = true;
    ASSERT_TRUE(hotkeys.RegisterHotkeys());
    hotkeys.Suspend();
    const KeyChoices wanted = DefaultKeyChoices();
    EXPECT_EQ(hotkeys.ChooseKeys(wanted), std::optional<std::size_t>(0)) << "No: the row stays for another choice";
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], TakenKeysMessage({{kPrintScreen}, true, true}, KeysTakenWhen::InKeysDialog, 0));

    messages.answer = true;
    EXPECT_EQ(hotkeys.ChooseKeys(wanted), std::nullopt);
    EXPECT_EQ(service.switchOffs, 1);
    EXPECT_EQ(store.Get("Hotkey1"), "Print Screen");
    hotkeys.Resume();
    EXPECT_TRUE(service.timerRunning) << "taken when Windows lets go";
}

// No at start is not the last word: confirming the keys dialog asks again, while Print Screen is
// still the choice and Windows still holds it; No keeps the choice, missing as before.
TEST_F(HotkeysTest, TheKeysDialogAsksAgainAboutPrintScreenThatWindowsStillHolds) {
    StartBesideWindowsCapture();
    hotkeys.Suspend();
    EXPECT_EQ(hotkeys.ChooseKeys(hotkeys.Choices()), std::nullopt);
    EXPECT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(service.switchOffs, 0);
    messages.answer = true;
    EXPECT_EQ(hotkeys.ChooseKeys(hotkeys.Choices()), std::nullopt);
    EXPECT_EQ(service.switchOffs, 1);
    hotkeys.Resume();
    EXPECT_EQ(service.Held().at(Atom(1)), kPlainPrint);
}

}  // namespace
}  // namespace snapwright
