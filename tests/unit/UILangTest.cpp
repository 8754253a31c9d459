#include "lang/UILang.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace snapwright {
namespace {

using TextId = std::string (clsUILang::*)(int) const;

struct NamedText {
    const char* name;
    TextId get;
};

#define SNAPWRIGHT_TEXT(id) NamedText{#id, &clsUILang::id}
const NamedText kTexts[] = {
    SNAPWRIGHT_TEXT(SaveBtn),        SNAPWRIGHT_TEXT(CancelBtn),       SNAPWRIGHT_TEXT(DefaultBtn),
    SNAPWRIGHT_TEXT(AboutDlgC),      SNAPWRIGHT_TEXT(AboutDisclaimer), SNAPWRIGHT_TEXT(AboutCopyright),
    SNAPWRIGHT_TEXT(AskAppDlgC),     SNAPWRIGHT_TEXT(AskAppFrameC),    SNAPWRIGHT_TEXT(OptDlgC),
    SNAPWRIGHT_TEXT(optFramePrintC), SNAPWRIGHT_TEXT(optPrtDef),       SNAPWRIGHT_TEXT(optPrtSel),
    SNAPWRIGHT_TEXT(optFrameSaveC),  SNAPWRIGHT_TEXT(optSaveDef),      SNAPWRIGHT_TEXT(optSaveAsk),
    SNAPWRIGHT_TEXT(optFrameSendC),  SNAPWRIGHT_TEXT(optOffice),       SNAPWRIGHT_TEXT(optSendAsk),
    SNAPWRIGHT_TEXT(FrameLanguageC), SNAPWRIGHT_TEXT(lblSelectLang),   SNAPWRIGHT_TEXT(SaveAsDlgC),
    SNAPWRIGHT_TEXT(FrameFileFormat), SNAPWRIGHT_TEXT(mnuAbout),       SNAPWRIGHT_TEXT(mnuOptions),
    SNAPWRIGHT_TEXT(mnuLeave),       SNAPWRIGHT_TEXT(mnuExit),         SNAPWRIGHT_TEXT(OKBtn),
    SNAPWRIGHT_TEXT(UpdtBtn),        SNAPWRIGHT_TEXT(msgNotRun),       SNAPWRIGHT_TEXT(msgNotRunC),
};
#undef SNAPWRIGHT_TEXT
static_assert(std::size(kTexts) == 30);

// The letters a caption marks with "&" ("&&" is a literal ampersand), ASCII letters in lower
// case; nothing when a "&" marks no letter.
std::optional<std::vector<std::string>> AccessLetters(const std::string& text) {
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (++i == text.size() || text[i] == ' ') return std::nullopt;
        if (text[i] == '&') continue;
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        letters.push_back(length == 1 ? std::string(1, static_cast<char>(std::tolower(lead))) : text.substr(i, length));
    }
    return letters;
}

TEST(UILang, SeventeenLanguagesWithTheirNamesAndFonts) {
    const char* const names[] = {"English", "Deutsch", "Français", "Italiano", "Nederlands", "Español",
                                 "Português", "Dansk", "Svensk", "Norsk", "Suomalainen", "Român *", "Magyar *",
                                 "Slovenski *", "Ceský *", "Türkçe *", "Greek **"};
    const clsUILang& lang = UILang();
    ASSERT_EQ(lang.AvailableLanguages(), 17);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(lang.LangStr(i), names[i]) << "language " << i;
    EXPECT_EQ(lang.langFont(0), "Arial");
    EXPECT_EQ(lang.langFontSize(0), 8);
    EXPECT_EQ(lang.langFont(11), "Arial *") << "the Romanian face name exactly as stored";
    EXPECT_EQ(lang.langFont(16), "Greek");
    EXPECT_EQ(lang.langFontSize(16), 11);
}

TEST(UILang, EveryTextIsPresentTrimmedAndMarksALetterOnlyOnButtons) {
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const NamedText& t : kTexts) {
            const std::string text = (lang.*t.get)(i);
            SCOPED_TRACE(std::string(t.name) + " of " + lang.LangStr(i) + ": \"" + text + "\"");
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');  // the start dialog adds the blanks itself
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            // Only buttons (the ids ending in "Btn") show an access letter; elsewhere a "&" is eaten.
            const bool button = std::string(t.name).ends_with("Btn");
            EXPECT_LE(letters->size(), button ? 1u : 0u);
            if (i == 0 && button) {
                EXPECT_EQ(letters->size(), 1u) << "every English button has its letter";
            }
        }
    }
}

TEST(UILang, AccessLettersDifferAmongTheButtonsOfOneWindow) {
    const std::vector<std::vector<TextId>> windows = {
        {&clsUILang::OKBtn, &clsUILang::UpdtBtn},                             // about box
        {&clsUILang::SaveBtn, &clsUILang::CancelBtn, &clsUILang::DefaultBtn},  // options dialog
        {&clsUILang::OKBtn, &clsUILang::CancelBtn},                           // application, save and start dialogs
    };
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const std::vector<TextId>& buttons : windows) {
            std::vector<std::string> seen;
            std::string captions;
            for (TextId button : buttons) {
                const std::string caption = (lang.*button)(i);
                captions += " \"" + caption + "\"";
                for (const std::string& letter : AccessLetters(caption).value_or(std::vector<std::string>{})) {
                    EXPECT_EQ(std::count(seen.begin(), seen.end(), letter), 0) << lang.LangStr(i) << ":" << captions;
                    seen.push_back(letter);
                }
            }
        }
    }
}

TEST(UILang, EnglishAndGermanTextsAreTheProgramsOwn) {
    struct Given {
        TextId id;
        const char* english;
        const char* german;
    };
    const Given given[] = {
        {&clsUILang::SaveBtn, "&Save", "&Speichern"},
        {&clsUILang::CancelBtn, "&Cancel", "A&bbrechen"},
        {&clsUILang::DefaultBtn, "&Default Settings", "Stan&dardeinst."},
        {&clsUILang::AboutDlgC, "About Snapwright™", "Über Snapwright™"},
        {&clsUILang::AboutDisclaimer, "This program is protected by German and international copyright law.",
         "Dieses Programm ist durch das deutsche und internationale Urheberrecht geschützt."},
        {&clsUILang::AskAppDlgC, "Send Screenshoot to ...", "Screenshot senden an ..."},
        {&clsUILang::AskAppFrameC, "Choose Application", "Wählen Sie eine Anwendung aus"},
        {&clsUILang::OptDlgC, "Options", "Snapwright™ Optionen"},
        {&clsUILang::optFramePrintC, "Print", "Drucken"},
        {&clsUILang::optPrtDef, "print to default printer", "auf Standarddrucker drucken"},
        {&clsUILang::optPrtSel, "show printer selection", "Druckerauswahl anzeigen"},
        {&clsUILang::optFrameSaveC, "Save", "Speichern"},
        {&clsUILang::optSaveDef, "always save to installation directory using default filename",
         "immer ins Snapwright™-Verzeichnis mit Standardnamen speichern"},
        {&clsUILang::optSaveAsk, "always ask for destination directory and filename",
         "immer nach Zielverzeichnis und Dateinamen fragen"},
        {&clsUILang::optFrameSendC, "Send to Application", "An Anwendung senden"},
        {&clsUILang::optOffice, "send screenshot to", "Screenshot senden an"},
        {&clsUILang::optSendAsk, "ask for destination program", "nach dem Zielprogramm fragen"},
        {&clsUILang::FrameLanguageC, "Language", "Sprache"},
        {&clsUILang::lblSelectLang, "choose language", "Sprache auswählen"},
        {&clsUILang::SaveAsDlgC, "Save Screenshot As ...", "Screenshot speichern unter ..."},
        {&clsUILang::FrameFileFormat, "choose file format", "Wählen Sie ein Dateiformat"},
        {&clsUILang::mnuAbout, "Information", "Info"},
        {&clsUILang::mnuOptions, "Options", "Optionen"},
        {&clsUILang::mnuLeave, "Leave Menu", "Menü verlassen"},
        {&clsUILang::mnuExit, "Exit", "Beenden"},
        {&clsUILang::UpdtBtn, "&Update ?", "&Update ?"},
        {&clsUILang::msgNotRun, "is not running. Start it now?", "ist nicht gestartet. Jetzt starten?"},
        {&clsUILang::msgNotRunC, "Send Screenshot to", "Screenshot senden an"},
    };
    const clsUILang& lang = UILang();
    for (const Given& g : given) {
        EXPECT_EQ((lang.*g.id)(0), g.english);
        EXPECT_EQ((lang.*g.id)(1), g.german);
    }
}

TEST(UILang, CancelRowAndOkButtonAsGivenInEveryLanguage) {
    const char* const cancel[] = {
        "&Cancel", "A&bbrechen", "A&nnuler", "A&nnullare", "A&nnuleer", "A&nular", "A&nular", "A&nnullere", "&Över",
        "A&nnullere", "K&umota", "Anula", "Mégse", "Razveljavitev", "Prerušit", "Kes", "Diakoph",
    };
    const clsUILang& lang = UILang();
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(lang.CancelBtn(i), cancel[i]) << "language " << i;
        EXPECT_EQ(lang.OKBtn(i), "&OK") << "language " << i;
    }
}

TEST(UILang, AboutNoticesNameTheAuthorsAndTheYearInOneSentence) {
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        const std::string copyright = lang.AboutCopyright(i);
        EXPECT_NE(copyright.find("2002"), std::string::npos) << copyright;
        EXPECT_NE(copyright.find("Snapwright"), std::string::npos) << copyright;
        const std::string disclaimer = lang.AboutDisclaimer(i);
        EXPECT_EQ(disclaimer.back(), '.') << disclaimer;
        EXPECT_EQ(disclaimer.find(". "), std::string::npos) << "more than one sentence: " << disclaimer;
    }
}

// The Greek face draws Greek letters in the places of the Latin ones, so the Greek texts are
// written in Latin letters; the trade mark and copyright signs are the only others.
TEST(UILang, GreekIsWrittenInLatinLetters) {
    const clsUILang& lang = UILang();
    for (const NamedText& t : kTexts) {
        std::string text = (lang.*t.get)(16);
        for (const std::string& sign : {std::string("™"), std::string("©")}) {
            for (std::size_t at; (at = text.find(sign)) != std::string::npos;) text.erase(at, sign.size());
        }
        for (const char c : text) {
            EXPECT_LT(static_cast<unsigned char>(c), 0x80) << t.name << ": \"" << (lang.*t.get)(16) << "\"";
        }
    }
}

// A damaged Language setting must not read outside the tables: it reads English throughout.
TEST(UILang, AnIndexOutsideTheTablesReadsEnglish) {
    const clsUILang& lang = UILang();
    for (int bad : {17, 255, -1}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(lang.LangStr(bad), "English");
        EXPECT_EQ(lang.langFont(bad), "Arial");
        EXPECT_EQ(lang.langFontSize(bad), 8);
        for (const NamedText& t : kTexts) EXPECT_EQ((lang.*t.get)(bad), (lang.*t.get)(0)) << t.name;
    }
}

}  // namespace
}  // namespace snapwright
