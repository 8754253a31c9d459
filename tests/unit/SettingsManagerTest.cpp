#include "settings/SettingsManager.h"

#include <gtest/gtest.h>

#include <utility>

#include "fakes/FakePorts.h"

// The e2e tests start on an empty store and on one with an emptied key; these cases read every
// value earlier releases wrote, and damaged ones, and write the twelve keys other programs read.
namespace snapwright {
namespace {

using fakes::FakeSettingsStore;

const std::vector<std::string> kKeyOrder{"PrintTo",        "SaveTo",    "SendTo",        "NumShots",
                                         "Printformat",    "Language",  "Office",        "ShowSplash",
                                         "PrintTimeStamp", "PrintUser", "PrintComputer", "PrintFooter"};

// Each stored text of the key reads as the record with that one field set, and what the record
// then writes back, NumShots from the page format, reads as the same record again.
template <typename Value>
void ExpectReads(const char* key, Value Settings::*field, std::initializer_list<std::pair<const char*, Value>> cases) {
    for (const auto& [text, value] : cases) {
        FakeSettingsStore store;
        store.Put(key, text);
        Settings loaded;
        SettingsManager manager(store, loaded);
        manager.LoadSettings();
        Settings expected;
        expected.*field = value;
        EXPECT_EQ(loaded, expected) << key << " \"" << text << "\"";

        manager.SaveSettings();
        EXPECT_EQ(store.writes, kKeyOrder);
        EXPECT_EQ(store.Get("NumShots"), std::to_string(ShotsPerPage(loaded.Printformat))) << "as the page holds them";
        Settings reloaded;
        SettingsManager(store, reloaded).LoadSettings();
        EXPECT_EQ(reloaded, loaded) << key << " \"" << text << "\" as written: \"" << *store.Get(key) << "\"";
    }
}

// A number the setting does not have, a sign, a fraction or a word reads as the key's default.
TEST(SettingsManager, StoredValuesOfEveryKindReadBackAsTheSameTypedSettings) {
    using enum PrintTarget;
    using enum SaveTarget;
    using enum SendTarget;
    using enum PageFormat;
    ExpectReads("PrintTo", &Settings::PrintTo, {{"1", DefaultPrinter}, {"2", ChosenPrinter}, {" 2 ", ChosenPrinter},
                                                {"3", DefaultPrinter}, {"-2", DefaultPrinter}, {"two", DefaultPrinter}});
    // A number that names no save or send target proposes no file name, sends nowhere.
    ExpectReads("SaveTo", &Settings::SaveTo, {{"1", ProgramFolder}, {"2", AskForFile}, {"3", Unnamed}, {"-1", ProgramFolder}});
    ExpectReads("SendTo", &Settings::SendTo,
                {{"1", WordProcessor}, {"2", Spreadsheet}, {"3", Presentation}, {"4", AskAtSend}, {"5", Editor},
                 {"0", Nowhere}, {"7", Nowhere}, {"300", WordProcessor}, {"5.0", WordProcessor}});
    ExpectReads("Printformat", &Settings::Printformat,
                {{"1", PortraitOneShot}, {"2", PortraitTwoShots}, {"3", LandscapeOneShot}, {"7", PortraitOneShot},
                 {"abc", PortraitOneShot}});
    ExpectReads("Office", &Settings::Office,
                {{"0", OfficeSuite::Microsoft}, {"1", OfficeSuite::OpenOffice}, {"2", OfficeSuite::Microsoft},
                 {"one", OfficeSuite::Microsoft}});
    ExpectReads("Language", &Settings::Language, {{"0", 0}, {"16", 16}, {" 16 ", 16}, {"17", 0}, {"255", 0}, {"x", 0}});
    // A truth is "1"; anything else, also the -1 of a truth in memory, is false.
    ExpectReads("ShowSplash", &Settings::ShowSplash, {{"1", true}, {"0", false}, {"maybe", false}, {"-1", false}});
    ExpectReads("PrintTimeStamp", &Settings::PrintTimeStamp, {{"0", false}});
    ExpectReads("PrintUser", &Settings::PrintUser, {{"0", false}});
    ExpectReads("PrintComputer", &Settings::PrintComputer, {{"0", false}});
    ExpectReads("PrintFooter", &Settings::PrintFooter, {{"0", false}});
}

}  // namespace
}  // namespace snapwright
