#include "settings/SettingsManager.h"

#include <gtest/gtest.h>

#include "fakes/FakePorts.h"

// The e2e tests start on an empty store and on one with an emptied key; these cases read the
// store's odd values and write its twelve values, whose names other programs read.
namespace snapwright {
namespace {

using fakes::FakeSettingsStore;

const std::vector<std::string> kKeyOrder{"PrintTo",    "SaveTo",         "SendTo",    "NumShots",
                                         "Printformat", "Language",      "Office",    "ShowSplash",
                                         "PrintTimeStamp", "PrintUser",  "PrintComputer", "PrintFooter"};

TEST(SettingsManager, PrintformatDecidesNumShots) {
    struct Case {
        const char* printformat;
        const char* numShots;
        int expectedFormat;
        int expectedShots;
    };
    for (const Case c : {Case{"2", "1", 2, 2}, Case{"1", "2", 1, 1}, Case{"3", "2", 3, 1},
                         // A damaged format falls back to the default one-shot portrait page.
                         Case{"7", "2", 1, 1}, Case{"abc", "2", 1, 1}}) {
        FakeSettingsStore store;
        store.Put("Printformat", c.printformat);
        store.Put("NumShots", c.numShots);
        Settings settings;
        SettingsManager manager(store, settings);
        manager.LoadSettings();
        EXPECT_EQ(settings.Printformat, c.expectedFormat) << c.printformat;
        EXPECT_EQ(settings.NumShots, c.expectedShots) << c.printformat;
    }
}

TEST(SettingsManager, DamagedValuesFallBackToTheirDefaults) {
    FakeSettingsStore store;
    store.Put("PrintTo", "2");
    store.Put("SaveTo", "-3");
    store.Put("SendTo", "300");
    store.Put("Language", "17");
    store.Put("Office", "one");
    store.Put("ShowSplash", "maybe");
    store.Put("PrintUser", "0");
    Settings settings;
    SettingsManager manager(store, settings);
    manager.LoadSettings();

    EXPECT_EQ(settings.PrintTo, 2);
    EXPECT_EQ(settings.SaveTo, 1);
    EXPECT_EQ(settings.SendTo, 1);
    EXPECT_EQ(settings.Language, 0);
    EXPECT_EQ(settings.Office, 0);
    EXPECT_FALSE(settings.ShowSplash);  // anything but "1" counts as false
    EXPECT_FALSE(settings.PrintUser);
    EXPECT_TRUE(settings.PrintComputer);

    store.Put("Language", " 16 ");
    manager.LoadSettings();
    EXPECT_EQ(settings.Language, 16);
}

TEST(SettingsManager, SaveWritesTwelveKeysInOrderWithTextForms) {
    FakeSettingsStore store;
    Settings settings;
    settings.PrintTo = 2;
    settings.Language = 16;
    settings.Printformat = 3;
    settings.ShowSplash = false;
    settings.PrintFooter = true;
    SettingsManager manager(store, settings);
    manager.SaveSettings();

    EXPECT_EQ(store.writes, kKeyOrder);
    EXPECT_EQ(store.Get("Language"), "16");
    EXPECT_EQ(store.Get("ShowSplash"), "0");
    EXPECT_EQ(store.Get("PrintFooter"), "1");

    Settings reloaded;
    SettingsManager(store, reloaded).LoadSettings();
    EXPECT_EQ(reloaded.PrintTo, 2);
    EXPECT_EQ(reloaded.Printformat, 3);
}

}  // namespace
}  // namespace snapwright
