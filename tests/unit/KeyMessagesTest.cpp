#include "capture/KeyMessages.h"

#include <gtest/gtest.h>

#include "lang/LanguageTable.h"

namespace snapwright {
namespace {

const KeyCombination kAltPrint{kModAlt, kVkSnapshot};

TEST(KeyMessages, AtStartTheKeysAreNamedAndWhereToChooseOthersIsSaid) {
    EXPECT_EQ(TakenKeysMessage({{kAltPrint}}, KeysTakenWhen::AtStart, 0),
              "Alt+Print Screen is already used by another program.\r\n\r\n"
              "Snapwright runs all the same, and its tray icon\u2019s menu takes screenshots too. "
              "Other keys can be chosen in that menu under Options \u203a Keys.");
    EXPECT_EQ(TakenKeysMessage({{kPrintScreen, kAltPrint}}, KeysTakenWhen::AtStart, 0).substr(0, 84),
              "These keys are already used by other programs: Print Screen, Alt+Print Screen.\r\n\r\nSn");
}

TEST(KeyMessages, WindowsCaptureIsExplainedAndTheQuestionEndsTheMessage) {
    const std::string text = TakenKeysMessage({{kPrintScreen}, true, true}, KeysTakenWhen::AtStart, 0);
    EXPECT_TRUE(text.starts_with("Print Screen is already used by another program.\r\n\r\nWindows\u2019 own screen "
                                 "capture holds the Print Screen key (Settings \u203a Accessibility \u203a Keyboard "
                                 "\u203a \u201cUse the Print screen key to open screen capture\u201d).\r\n\r\n"))
        << text;
    EXPECT_TRUE(text.ends_with("\r\n\r\nSwitch Windows\u2019 Print Screen capture off for this user now?")) << text;

    // In the keys dialog: the key that Windows holds among others is explained, the others are chosen anew.
    const std::string dialog = TakenKeysMessage({{kPrintScreen, kAltPrint}, false, true}, KeysTakenWhen::InKeysDialog, 0);
    EXPECT_NE(dialog.find("Use the Print screen key"), std::string::npos);
    EXPECT_TRUE(dialog.ends_with("\r\n\r\nChoose another key, or switch the action off.")) << dialog;
    EXPECT_EQ(dialog.find("runs all the same"), std::string::npos);
}

TEST(KeyMessages, SharedKeysNameBothActions) {
    EXPECT_EQ(SharedKeyMessage({kModControl, 'S'}, 2, 6, 0),
              "Ctrl+S is chosen twice: for \u201cSave the screen\u201d and for \u201cDraw a region for the editor\u201d. "
              "Choose another key for one of them.");
    EXPECT_TRUE(SharedKeyMessage({kModControl | kModShift, kVkSnapshot}, 2, 6, 1).starts_with("Strg+Umschalt+Druck "))
        << "German names the keys as its keyboards do";
    EXPECT_EQ(ButtonNameInText("\u03a0\u03bb\u03ae&\u03ba\u03c4\u03c1\u03b1\u2026"), "\u03a0\u03bb\u03ae\u03ba\u03c4\u03c1\u03b1");
    EXPECT_EQ(ButtonNameInText("Save && &Close..."), "Save & Close");
}

// Every language fills every place it has: no brace is left, and the keys and names stand in each.
TEST(KeyMessages, EveryLanguageFillsEveryPlace) {
    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(Languages().LanguageName(language));
        const std::string options = Languages().Text(TextId::OptionsMenuItem, language);
        const std::vector<std::string> texts = {
            TakenKeysMessage({{kAltPrint}}, KeysTakenWhen::AtStart, language),
            TakenKeysMessage({{kPrintScreen, kAltPrint}, true, true}, KeysTakenWhen::AtStart, language),
            TakenKeysMessage({{kPrintScreen}, true, true}, KeysTakenWhen::InKeysDialog, language),
            TakenKeysMessage({{kAltPrint}}, KeysTakenWhen::InKeysDialog, language),
            SharedKeyMessage(kAltPrint, 0, 1, language),
            WindowsCaptureNotSwitchedOffMessage(language)};
        for (const std::string& text : texts) {
            EXPECT_EQ(text.find_first_of("{}&"), std::string::npos) << text;
        }
        const std::string altPrint = ShownKeyText(kAltPrint, language);
        EXPECT_NE(texts[0].find(altPrint), std::string::npos) << texts[0];
        EXPECT_NE(texts[0].find(options), std::string::npos) << texts[0];
        EXPECT_NE(texts[1].find(ShownKeyText(kPrintScreen, language) + ", " + altPrint), std::string::npos) << texts[1];
        EXPECT_NE(texts[4].find(altPrint), std::string::npos) << texts[4];
        EXPECT_NE(texts[4].find(Languages().Text(TextId::PrintWindowAction, language)), std::string::npos) << texts[4];
    }
}

}  // namespace
}  // namespace snapwright
