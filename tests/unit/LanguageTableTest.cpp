#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace snapwright {
namespace {

using TextId = std::string (LanguageTable::*)(int) const;

struct NamedText {
    const char* name;
    TextId get;
};

#define SNAPWRIGHT_TEXT(id) NamedText{#id, &LanguageTable::id}
const NamedText kTexts[] = {
    SNAPWRIGHT_TEXT(SaveButton),        SNAPWRIGHT_TEXT(CancelButton),       SNAPWRIGHT_TEXT(DefaultsButton),
    SNAPWRIGHT_TEXT(AboutCaption),      SNAPWRIGHT_TEXT(AboutDisclaimer), SNAPWRIGHT_TEXT(AboutCopyright),
    SNAPWRIGHT_TEXT(AskApplicationCaption),     SNAPWRIGHT_TEXT(AskApplicationFrame),    SNAPWRIGHT_TEXT(OptionsCaption),
    SNAPWRIGHT_TEXT(PrintFrame), SNAPWRIGHT_TEXT(DefaultPrinterOption),       SNAPWRIGHT_TEXT(ChoosePrinterOption),
    SNAPWRIGHT_TEXT(SaveFrame),  SNAPWRIGHT_TEXT(SaveToProgramFolderOption),      SNAPWRIGHT_TEXT(AskForFileOption),
    SNAPWRIGHT_TEXT(SendFrame),  SNAPWRIGHT_TEXT(SendToOfficeOption),       SNAPWRIGHT_TEXT(AskAtSendOption),
    SNAPWRIGHT_TEXT(LanguageFrame), SNAPWRIGHT_TEXT(SelectLanguageLabel),   SNAPWRIGHT_TEXT(SaveAsCaption),
    SNAPWRIGHT_TEXT(FileFormatFrame), SNAPWRIGHT_TEXT(AboutMenuItem),       SNAPWRIGHT_TEXT(OptionsMenuItem),
    SNAPWRIGHT_TEXT(CloseMenuItem),       SNAPWRIGHT_TEXT(ExitMenuItem),         SNAPWRIGHT_TEXT(OkButton),
    SNAPWRIGHT_TEXT(UpdateButton),        SNAPWRIGHT_TEXT(NotRunningQuestion),       SNAPWRIGHT_TEXT(NotRunningCaption),
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

TEST(LanguageTable, EveryTextIsPresentTrimmedAndMarksALetterOnlyOnButtons) {
    const LanguageTable& lang = Languages();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const NamedText& t : kTexts) {
            const std::string text = (lang.*t.get)(i);
            SCOPED_TRACE(std::string(t.name) + " of " + lang.LanguageName(i) + ": \"" + text + "\"");
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');  // the start dialog adds the blanks itself
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            // Only buttons (the texts named "...Button") show an access letter; elsewhere a "&" is eaten.
            const bool button = std::string(t.name).ends_with("Button");
            EXPECT_LE(letters->size(), button ? 1u : 0u);
            if (i == 0 && button) {
                EXPECT_EQ(letters->size(), 1u) << "every English button has its letter";
            }
        }
    }
}

TEST(LanguageTable, AccessLettersDifferAmongTheButtonsOfOneWindow) {
    const std::vector<std::vector<TextId>> windows = {
        {&LanguageTable::OkButton, &LanguageTable::UpdateButton},                             // about box
        {&LanguageTable::SaveButton, &LanguageTable::CancelButton, &LanguageTable::DefaultsButton},  // options dialog
        {&LanguageTable::OkButton, &LanguageTable::CancelButton},                           // application, save and start dialogs
    };
    const LanguageTable& lang = Languages();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (const std::vector<TextId>& buttons : windows) {
            std::vector<std::string> seen;
            std::string captions;
            for (TextId button : buttons) {
                const std::string caption = (lang.*button)(i);
                captions += " \"" + caption + "\"";
                for (const std::string& letter : AccessLetters(caption).value_or(std::vector<std::string>{})) {
                    EXPECT_EQ(std::count(seen.begin(), seen.end(), letter), 0) << lang.LanguageName(i) << ":" << captions;
                    seen.push_back(letter);
                }
            }
        }
    }
}

// Greek is written in Greek letters: every text has some, and Latin letters appear only in the
// names of the products.
TEST(LanguageTable, GreekIsWrittenInGreekLetters) {
    const LanguageTable& lang = Languages();
    EXPECT_EQ(lang.LanguageName(16), "Greek **");
    EXPECT_EQ(lang.FontName(16), "Arial");
    EXPECT_EQ(lang.FontSize(16), 11);
    for (const NamedText& t : kTexts) {
        std::string text = (lang.*t.get)(16);
        SCOPED_TRACE(std::string(t.name) + ": \"" + text + "\"");
        // Greek and Coptic, with the accented letters, lie at U+0370..U+03FF: lead bytes CD to CF.
        EXPECT_TRUE(text.find_first_of("\xCD\xCE\xCF") != std::string::npos || t.get == &LanguageTable::OkButton);
        for (const char* name : {"Snapwright", "PowerPoint", "Excel", "Word", "OK"}) {
            for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.erase(at, std::string(name).size());
        }
        EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }));
    }
}

}  // namespace
}  // namespace snapwright
