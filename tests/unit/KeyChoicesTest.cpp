#include "capture/KeyChoices.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "fakes/FakePorts.h"
#include "lang/LanguageTable.h"

// The texts of the keys as the settings store keeps them and as the user reads them.
namespace snapwright {
namespace {

constexpr KeyCombination Keys(unsigned modifiers, unsigned key) {
    return {modifiers, key};
}

TEST(KeyText, EveryKeyTheFieldGivesIsWrittenAndReadBackWithEveryModifier) {
    int named = 0;
    for (unsigned key = 1; key < 256; ++key) {
        if (KeyName(key).empty()) continue;
        ++named;
        for (unsigned modifiers = 0; modifiers < 16; ++modifiers) {
            const KeyCombination keys{modifiers, key};
            EXPECT_EQ(ParseKeyText(KeyText(keys)), keys) << KeyText(keys);
            EXPECT_EQ(ShownKeyText(keys, 0), KeyText(keys)) << "English shows the stored text";
        }
    }
    EXPECT_EQ(named, 26 + 10 + 10 + 24 + 17) << "letters, digits, the number pad's digits, F1-F24 and the named keys";
    EXPECT_EQ(KeyText(Keys(kModShift | kModWin | kModAlt | kModControl, 0x78)), "Ctrl+Alt+Shift+Win+F9");
    EXPECT_EQ(KeyText(Keys(kModAlt | kModShift, kVkSnapshot)), "Alt+Shift+Print Screen");
    EXPECT_EQ(KeyText(Keys(kModControl | kModAlt, 'S')), "Ctrl+Alt+S");
    EXPECT_EQ(KeyText(Keys(0, 0x62)), "Num 2");
    EXPECT_EQ(KeyText({}), "");
}

// Shown in a language, the named keys and the modifiers take its names, each key one of its own;
// letters, digits and function keys stay as they are.
TEST(KeyText, EachLanguageShowsItsOwnNameForEachKey) {
    EXPECT_EQ(ShownKeyText(Keys(kModControl | kModShift, kVkSnapshot), 1), "Strg+Umschalt+Druck");
    EXPECT_EQ(ShownKeyText(Keys(kModControl | kModAlt | kModShift | kModWin, 0x62), 1),
              "Strg+Alt+Umschalt+Win+Ziffernblock 2");
    EXPECT_EQ(ShownKeyText(Keys(kModAlt, 0x21), 1), "Alt+Bild auf");
    EXPECT_EQ(ShownKeyText(Keys(kModShift, 0x2E), 2), "Maj+Suppr");
    EXPECT_EQ(ShownKeyText(Keys(kModControl, 'S'), 1), "Strg+S");
    EXPECT_EQ(ShownKeyText(Keys(kModWin, 0x87), 16), "Win+F24");
    EXPECT_EQ(ShownKeyText({}, 1), "");
    for (int language = 0; language < kLanguageCount; ++language) {
        std::set<std::string> shown;
        int named = 0;
        for (unsigned key = 1; key < 256; ++key) {
            if (KeyName(key).empty()) continue;
            ++named;
            shown.insert(ShownKeyText({kModControl | kModAlt | kModShift | kModWin, key}, language));
        }
        EXPECT_EQ(shown.size(), static_cast<std::size_t>(named)) << "two keys read alike in language " << language;
        std::set<std::string> modifiers;
        for (unsigned flag : {kModControl, kModAlt, kModShift, kModWin}) modifiers.insert(ShownKeyText({flag, 'A'}, language));
        EXPECT_EQ(modifiers.size(), 4u) << "two modifiers read alike in language " << language;
    }
}

TEST(KeyText, ModifiersInAnyOrderCaseAndBlanksReadAlike) {
    const std::optional<KeyCombination> altShiftPrint = Keys(kModAlt | kModShift, kVkSnapshot);
    for (const char* text : {"Alt+Shift+Print Screen", "shift+alt+print screen", " SHIFT + Alt +PrintScreen ",
                             "Alt+Shift+PrtSc", "alt\t+shift+print   screen"}) {
        EXPECT_EQ(ParseKeyText(text), altShiftPrint) << text;
    }
    EXPECT_EQ(ParseKeyText("control+alt+s"), Keys(kModControl | kModAlt, 'S'));
    EXPECT_EQ(ParseKeyText("Ctrl+page up"), Keys(kModControl, 0x21));
    EXPECT_EQ(ParseKeyText("win+num 7"), Keys(kModWin, 0x67));
    EXPECT_EQ(ParseKeyText(""), KeyCombination{}) << "empty: switched off";
    EXPECT_EQ(ParseKeyText("   "), KeyCombination{});
}

TEST(KeyText, UnknownNamesAndGarbageReadAsNothing) {
    for (const char* text : {"Ctrl+", "+", "+S", "Ctrl+Alt", "Ctrl+Ctrl+S", "S+T", "Hyper+S", "Ctrl+\xC3\xA4", "Key 200",
                             "F25", "Ctrl+Alt+Del+", "1+", "Print Screen Print Screen", "Ctrl++"}) {
        EXPECT_EQ(ParseKeyText(text), std::nullopt) << text;
    }
}

// System-wide keys must leave typing to the other programs.
TEST(KeyText, KeysThatTypeOrMoveNeedCtrlAltOrWin) {
    for (const char* text : {"S", "Shift+S", "5", "Delete", "Shift+Left", "Space", "Num 1", "Enter"}) {
        EXPECT_FALSE(IsChoosableKey(*ParseKeyText(text))) << text;
    }
    for (const char* text : {"Ctrl+S", "Alt+Shift+5", "Win+Delete", "Print Screen", "Shift+F9", "Pause", "Ctrl+Space"}) {
        EXPECT_TRUE(IsChoosableKey(*ParseKeyText(text))) << text;
    }
    EXPECT_FALSE(IsChoosableKey({}));
    EXPECT_FALSE(IsChoosableKey(Keys(kModControl, 0xBA))) << "a key the program does not name";
}

TEST(KeyChoices, MissingValuesAreTheDefaultsAndEmptyOnesSwitchOff) {
    fakes::FakeSettingsStore store;
    EXPECT_EQ(LoadKeyChoices(store), DefaultKeyChoices());
    store.Put("Hotkey3", "Ctrl+Alt+S");
    store.Put("Hotkey7", "");
    KeyChoices expected = DefaultKeyChoices();
    expected[2] = Keys(kModControl | kModAlt, 'S');
    expected[6] = {};
    const KeyChoices loaded = LoadKeyChoices(store);
    EXPECT_EQ(loaded, expected);

    fakes::FakeSettingsStore saved;
    SaveKeyChoices(saved, loaded);
    EXPECT_EQ(saved.writes, (std::vector<std::string>{"Hotkey1", "Hotkey2", "Hotkey3", "Hotkey4", "Hotkey5",
                                                      "Hotkey6", "Hotkey7"}));
    EXPECT_EQ(saved.Get("Hotkey1"), "Print Screen");
    EXPECT_EQ(saved.Get("Hotkey3"), "Ctrl+Alt+S");
    EXPECT_EQ(saved.Get("Hotkey7"), "");
    EXPECT_EQ(LoadKeyChoices(saved), loaded);
}

// A damaged value never stops the program, and never gives one key to two rows.
TEST(KeyChoices, UnreadableValuesAndRepeatedKeysReadAsTheDefault) {
    fakes::FakeSettingsStore store;
    store.Put("Hotkey1", "Ctrl+Shift+F9");
    store.Put("Hotkey2", "garbage");
    store.Put("Hotkey3", "S");                  // would take typing away
    store.Put("Hotkey4", "ctrl + shift + f9");  // Hotkey1's key again
    store.Put("Hotkey5", "Print Screen");       // free, as Hotkey1 moved
    store.Put("Hotkey6", "Ctrl+Print Screen");  // Hotkey5's default, now taken by Hotkey5
    const KeyChoices loaded = LoadKeyChoices(store);
    KeyChoices expected = DefaultKeyChoices();  // rows 2 to 4 and 7
    expected[0] = Keys(kModControl | kModShift, 0x78);
    expected[4] = kPrintScreen;
    expected[5] = Keys(kModControl, kVkSnapshot);  // not taken before: the row keeps it
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(FindSharedKey(loaded), std::nullopt);

    store.Put("Hotkey1", "Ctrl+Shift+Print Screen");  // Hotkey7's default
    store.Put("Hotkey7", "Print Screen");             // Hotkey5's
    const KeyChoices clash = LoadKeyChoices(store);
    EXPECT_EQ(clash[6], KeyCombination{}) << "its key and its default are both taken: switched off";
}

TEST(KeyChoices, SharedKeysAreFoundButRowsSwitchedOffShareNothing) {
    KeyChoices choices = DefaultKeyChoices();
    EXPECT_EQ(FindSharedKey(choices), std::nullopt);
    choices[1] = {};
    choices[4] = {};
    EXPECT_EQ(FindSharedKey(choices), std::nullopt);
    choices[5] = choices[2];
    EXPECT_EQ(FindSharedKey(choices), (std::pair<std::size_t, std::size_t>{2, 5}));
}

}  // namespace
}  // namespace snapwright
