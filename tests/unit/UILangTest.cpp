#include "lang/UILang.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
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

constexpr NamedText kTexts[] = {
    {"SaveBtn", &clsUILang::SaveBtn},
    {"CancelBtn", &clsUILang::CancelBtn},
    {"DefaultBtn", &clsUILang::DefaultBtn},
    {"AboutDlgC", &clsUILang::AboutDlgC},
    {"AboutDisclaimer", &clsUILang::AboutDisclaimer},
    {"AboutCopyright", &clsUILang::AboutCopyright},
    {"AskAppDlgC", &clsUILang::AskAppDlgC},
    {"AskAppFrameC", &clsUILang::AskAppFrameC},
    {"OptDlgC", &clsUILang::OptDlgC},
    {"optFramePrintC", &clsUILang::optFramePrintC},
    {"optPrtDef", &clsUILang::optPrtDef},
    {"optPrtSel", &clsUILang::optPrtSel},
    {"optFrameSaveC", &clsUILang::optFrameSaveC},
    {"optSaveDef", &clsUILang::optSaveDef},
    {"optSaveAsk", &clsUILang::optSaveAsk},
    {"optFrameSendC", &clsUILang::optFrameSendC},
    {"optOffice", &clsUILang::optOffice},
    {"optSendAsk", &clsUILang::optSendAsk},
    {"FrameLanguageC", &clsUILang::FrameLanguageC},
    {"lblSelectLang", &clsUILang::lblSelectLang},
    {"SaveAsDlgC", &clsUILang::SaveAsDlgC},
    {"FrameFileFormat", &clsUILang::FrameFileFormat},
    {"mnuAbout", &clsUILang::mnuAbout},
    {"mnuOptions", &clsUILang::mnuOptions},
    {"mnuLeave", &clsUILang::mnuLeave},
    {"mnuExit", &clsUILang::mnuExit},
    {"OKBtn", &clsUILang::OKBtn},
    {"UpdtBtn", &clsUILang::UpdtBtn},
    {"msgNotRun", &clsUILang::msgNotRun},
    {"msgNotRunC", &clsUILang::msgNotRunC},
};
static_assert(std::size(kTexts) == 30);

// Only buttons show an access letter; a "&" in a label, frame or option caption would be eaten.
bool IsButtonText(TextId id) {
    return id == &clsUILang::SaveBtn || id == &clsUILang::CancelBtn || id == &clsUILang::DefaultBtn ||
           id == &clsUILang::OKBtn || id == &clsUILang::UpdtBtn;
}

// Decodes UTF-8; nothing when the bytes are not well-formed (overlong forms and surrogates included).
std::optional<std::vector<char32_t>> DecodeUtf8(const std::string& text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += length;
    }
    return out;
}

// The accelerator markers of a caption: "&&" is a literal ampersand, any other "&" marks the
// letter after it. Returns the marked letters, or nothing when a "&" marks no letter.
std::optional<std::vector<char32_t>> AccessLetters(const std::string& text) {
    const auto cps = DecodeUtf8(text);
    if (!cps) return std::nullopt;
    std::vector<char32_t> letters;
    for (std::size_t i = 0; i < cps->size(); ++i) {
        if ((*cps)[i] != U'&') continue;
        if (i + 1 == cps->size()) return std::nullopt;  // a lone "&" at the end
        const char32_t next = (*cps)[++i];
        if (next == U'&') continue;
        if (next == U' ') return std::nullopt;
        letters.push_back(next >= U'A' && next <= U'Z' ? next + (U'a' - U'A') : next);
    }
    return letters;
}

TEST(UILangAccessLetters, ParsesMarkersAndLiteralAmpersands) {
    EXPECT_EQ(AccessLetters("A&bbrechen"), (std::vector<char32_t>{U'b'}));
    EXPECT_EQ(AccessLetters("&Över"), (std::vector<char32_t>{U'Ö'}));
    EXPECT_EQ(AccessLetters("Save && &Close"), (std::vector<char32_t>{U'c'}));
    EXPECT_EQ(AccessLetters("Kes"), (std::vector<char32_t>{}));
    EXPECT_EQ(AccessLetters("Print &"), std::nullopt);
    EXPECT_EQ(AccessLetters("Print & go"), std::nullopt);
    EXPECT_EQ(AccessLetters("\xC3("), std::nullopt);
}

TEST(UILang, HasSeventeenLanguagesWithTheirNamesAndFonts) {
    struct Language {
        const char* name;
        const char* font;
        int size;
    };
    const Language expected[] = {
        {"English", "Arial", 8},     {"Deutsch", "Arial", 8},    {"Français", "Arial", 8},
        {"Italiano", "Arial", 8},    {"Nederlands", "Arial", 8}, {"Español", "Arial", 8},
        {"Português", "Arial", 8},   {"Dansk", "Arial", 8},      {"Svensk", "Arial", 8},
        {"Norsk", "Arial", 8},       {"Suomalainen", "Arial", 8}, {"Român *", "Arial *", 8},
        {"Magyar *", "Arial", 8},    {"Slovenski *", "Arial", 8}, {"Ceský *", "Arial", 8},
        {"Türkçe *", "Arial", 8},    {"Greek **", "Greek", 11},
    };
    const clsUILang& lang = UILang();
    ASSERT_EQ(lang.AvailableLanguages(), 17);
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(lang.LangStr(i), expected[i].name) << "language " << i;
        EXPECT_EQ(lang.langFont(i), expected[i].font) << "language " << i;
        EXPECT_EQ(lang.langFontSize(i), expected[i].size) << "language " << i;
    }
}

TEST(UILang, EveryTextIsPresentTrimmedAndValidUtf8) {
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const NamedText& t : kTexts) {
            const std::string text = (lang.*t.get)(i);
            SCOPED_TRACE(std::string(t.name) + " of " + lang.LangStr(i) + ": \"" + text + "\"");
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');  // the start dialog adds the blanks itself
            EXPECT_TRUE(DecodeUtf8(text).has_value());
        }
    }
}

TEST(UILang, AcceleratorMarkersAreWellFormedAndOnlyOnButtons) {
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const NamedText& t : kTexts) {
            const std::string text = (lang.*t.get)(i);
            SCOPED_TRACE(std::string(t.name) + " of " + lang.LangStr(i) + ": \"" + text + "\"");
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            EXPECT_LE(letters->size(), IsButtonText(t.get) ? 1u : 0u);
        }
    }
}

TEST(UILang, AccessLettersDifferAmongTheButtonsOfOneWindow) {
    struct Window {
        const char* name;
        std::vector<TextId> buttons;
    };
    const Window windows[] = {
        {"about box", {&clsUILang::OKBtn, &clsUILang::UpdtBtn}},
        {"options dialog", {&clsUILang::SaveBtn, &clsUILang::CancelBtn, &clsUILang::DefaultBtn}},
        {"application, save and start dialogs", {&clsUILang::OKBtn, &clsUILang::CancelBtn}},
    };
    const clsUILang& lang = UILang();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const Window& window : windows) {
            std::vector<char32_t> seen;
            std::string captions;
            for (TextId button : window.buttons) {
                const std::string text = (lang.*button)(i);
                captions += " \"" + text + "\"";
                for (char32_t letter : AccessLetters(text).value_or(std::vector<char32_t>{})) {
                    seen.push_back(letter);
                }
            }
            for (std::size_t a = 0; a < seen.size(); ++a) {
                for (std::size_t b = a + 1; b < seen.size(); ++b) {
                    EXPECT_NE(seen[a], seen[b]) << window.name << " in " << lang.LangStr(i) << ":" << captions;
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
        {&clsUILang::OKBtn, "&OK", "&OK"},
        {&clsUILang::UpdtBtn, "&Update ?", "&Update ?"},
        {&clsUILang::msgNotRun, "is not running. Start it now?", "ist nicht gestartet. Jetzt starten?"},
        {&clsUILang::msgNotRunC, "Send Screenshot to", "Screenshot senden an"},
    };
    const clsUILang& lang = UILang();
    for (const Given& g : given) {
        EXPECT_EQ((lang.*g.id)(0), g.english);
        EXPECT_EQ((lang.*g.id)(1), g.german);
    }
    EXPECT_EQ(lang.AboutDisclaimer(0), "This program is protected by German and international copyright law.");
    EXPECT_EQ(lang.AboutDisclaimer(1),
              "Dieses Programm ist durch das deutsche und internationale Urheberrecht geschützt.");
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

// Greek is written in Latin letters for its own display face; the other languages marked with a
// star keep their own letters, which a careless re-encoding or transliteration would lose.
TEST(UILang, GreekIsLatinAndTheOtherScriptsKeepTheirLetters) {
    const clsUILang& lang = UILang();
    for (const NamedText& t : kTexts) {
        const std::string text = (lang.*t.get)(16);
        const auto cps = DecodeUtf8(text);
        ASSERT_TRUE(cps.has_value());
        for (char32_t cp : *cps) {
            EXPECT_TRUE(cp < 0x80 || cp == U'™' || cp == U'©') << t.name << ": \"" << text << "\"";
        }
    }

    struct Letters {
        int language;
        std::vector<std::string> letters;
    };
    const Letters expected[] = {
        {11, {"ă", "î", "ș", "ț"}},  // Romanian
        {12, {"é", "ő", "á"}},       // Hungarian
        {13, {"č", "š", "ž"}},       // Slovenian
        {14, {"ě", "ř", "í", "ž"}},  // Czech
        {15, {"ı", "ş", "ç", "ü"}},  // Turkish
    };
    for (const Letters& e : expected) {
        std::string all;
        for (const NamedText& t : kTexts) all += (lang.*t.get)(e.language) + "\n";
        for (const std::string& letter : e.letters) {
            EXPECT_NE(all.find(letter), std::string::npos) << lang.LangStr(e.language) << " lacks " << letter;
        }
    }
}

// A damaged Language setting must not read outside the tables: it reads English throughout.
TEST(UILang, AnIndexOutsideTheTablesReadsEnglish) {
    const clsUILang& lang = UILang();
    for (int bad : {17, 255, -1, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(lang.LangStr(bad), "English");
        EXPECT_EQ(lang.langFont(bad), "Arial");
        EXPECT_EQ(lang.langFontSize(bad), 8);
        for (const NamedText& t : kTexts) {
            EXPECT_EQ((lang.*t.get)(bad), (lang.*t.get)(0)) << t.name;
        }
    }
    EXPECT_EQ(lang.LangStr(16), "Greek **");  // the last row is still its own
}

}  // namespace
}  // namespace snapwright
