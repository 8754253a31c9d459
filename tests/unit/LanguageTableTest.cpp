#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeForm.h"
#include "lang/ApplyLanguage.h"

// That every language has every text is checked when LanguageTable.cpp compiles; these cases check
// what the texts hold.
namespace snapwright {
namespace {

using enum TextId;

constexpr int kGreek = 16;
constexpr TextId kButtons[] = {OkButton, CancelButton, SaveButton, DefaultsButton, UpdateButton};

std::vector<TextId> AllTexts() {
    std::vector<TextId> texts;
    for (std::size_t i = 0; i < kTextCount; ++i) texts.push_back(static_cast<TextId>(i));
    return texts;
}

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

TEST(LanguageTable, EveryTextIsTrimmedAndMarksALetterOnlyOnButtons) {
    const LanguageTable& lang = Languages();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (TextId id : AllTexts()) {
            const std::string text = lang.Text(id, i);
            SCOPED_TRACE("text " + std::to_string(static_cast<int>(id)) + " of " + lang.LanguageName(i) + ": \"" +
                         text + "\"");
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');  // the start dialog adds the blanks itself
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            // Only buttons show an access letter; elsewhere a "&" is eaten.
            const bool button = std::count(std::begin(kButtons), std::end(kButtons), id) == 1;
            EXPECT_LE(letters->size(), button ? 1u : 0u);
            if (i == 0 && button) {
                EXPECT_EQ(letters->size(), 1u) << "every English button has its letter";
            }
        }
    }
}

// The caption label keeps its design size; a damaged Language setting puts English on the window.
TEST(ApplyLanguage, TheCaptionLabelKeepsItsSizeAndALanguageOutsideTheTablesIsEnglish) {
    const ControlText texts[] = {{1, AboutCaption}, {2, OkButton}};
    FakeForm greek;
    ApplyLanguage(greek, kGreek, texts);
    EXPECT_EQ(greek.State(1).text, "Σχετικά με το Snapwright™");
    EXPECT_EQ(greek.State(1).fontSize, 0) << "the caption label keeps its design size";
    EXPECT_EQ(greek.State(2).fontName, "Arial");
    EXPECT_EQ(greek.State(2).fontSize, 11);
    FakeForm damaged;
    ApplyLanguage(damaged, 17, texts);
    EXPECT_EQ(damaged.State(1).text, "About Snapwright™");
    EXPECT_EQ(damaged.State(2).fontSize, 8);
}

}  // namespace
}  // namespace snapwright
