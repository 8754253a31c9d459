#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeForm.h"
#include "lang/ApplyLanguage.h"

// That every language has every text is checked when LanguageTable.cpp compiles; these cases check
// what the texts hold.
namespace snapwright {
namespace {

using enum TextId;

constexpr TextId kButtons[] = {OkButton, CancelButton, SaveButton, DefaultsButton, UpdateButton, KeysButton,
                               KeyDefaultsButton};

std::u32string CodePoints(const std::string& text) {
    std::u32string points;
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) == 0x80) points.back() = (points.back() << 6) | (b & 0x3F);
        else points.push_back(b < 0x80 ? b : b & (b < 0xE0 ? 0x1F : b < 0xF0 ? 0x0F : 0x07));
    }
    return points;
}

// The letters a caption marks with "&" ("&&" is a literal ampersand), Latin and Greek ones in
// lower case; nothing when a "&" marks no letter.
std::optional<std::u32string> AccessLetters(const std::string& text) {
    const std::u32string points = CodePoints(text);
    std::u32string letters;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] != U'&') continue;
        if (++i == points.size() || points[i] == U' ') return std::nullopt;
        const char32_t c = points[i];
        if (c != U'&') letters.push_back((c >= U'A' && c <= U'Z') || (c >= U'Α' && c <= U'Ω') ? c + 0x20 : c);
    }
    return letters;
}

// A letter that the old Western code page lacks: a row that needs such letters and has none went
// through that code page and lost them.
bool IsBeyondWestern(char32_t c) {
    return (c >= 0x100 && c <= 0x24F && std::u32string_view(U"ŠšŽžŒœŸ").find(c) == std::u32string_view::npos) ||
           (c >= 0x370 && c <= 0x3FF);
}

// The accented letters of each language by index; Greek writes its own script.
constexpr std::u32string_view kAccentedLetters[kLanguageCount] = {
    U"", U"äöüßÄÖÜ", U"àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ", U"àèéìíîòóùúÀÈÉÌÍÎÒÓÙÚ", U"áéíóúèëïöüÁÉÍÓÚÈËÏÖÜ",
    U"áéíóúüñÁÉÍÓÚÜÑ", U"áâãàçéêíóôõúÁÂÃÀÇÉÊÍÓÔÕÚ", U"æøåéÆØÅÉ", U"åäöéÅÄÖÉ", U"æøåéÆØÅÉ", U"äöåÄÖÅ",
    U"ăâîșțĂÂÎȘȚ",                      // Romanian: s and t with a comma below, not a cedilla
    U"áéíóöőúüűÁÉÍÓÖŐÚÜŰ",              // Hungarian: a double acute, not a tilde or circumflex
    U"čšžČŠŽ", U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", U"çğıöşüâîûÇĞİÖŞÜ", U""};
constexpr int kGreek = 16;

TEST(LanguageTable, EveryTextIsTrimmedAndEveryButtonAndNothingElseMarksOneLetter) {
    const LanguageTable& lang = Languages();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        for (std::size_t t = 0; t < kTextCount; ++t) {
            const auto id = static_cast<TextId>(t);
            const std::string text = lang.Text(id, i);
            SCOPED_TRACE("text " + std::to_string(t) + " of " + lang.LanguageName(i) + ": \"" +
                         text + "\"");
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');  // the start dialog adds the blanks itself
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            // Only buttons show an access letter; elsewhere a "&" is eaten.
            const bool button = std::count(std::begin(kButtons), std::end(kButtons), id) == 1;
            EXPECT_EQ(letters->size(), button ? 1u : 0u);
        }
    }
}

// Within a window the buttons' letters differ, Cancel's included, and each is one key of its
// language's keyboard (no dead key).
TEST(LanguageTable, TheButtonsOfAWindowHaveDifferentPlainLettersInEveryLanguage) {
    const std::vector<std::vector<TextId>> windows = {
        {OkButton, UpdateButton},
        {OkButton, CancelButton},
        {SaveButton, CancelButton, DefaultsButton, KeysButton},
        {OkButton, CancelButton, KeyDefaultsButton}};
    for (int i = 0; i < kLanguageCount; ++i) {
        for (const std::vector<TextId>& buttons : windows) {
            std::u32string letters;
            for (TextId button : buttons) letters += AccessLetters(Languages().Text(button, i)).value_or(U"");
            std::ranges::sort(letters);
            EXPECT_EQ(std::ranges::adjacent_find(letters), letters.end()) << Languages().LanguageName(i);
            EXPECT_TRUE(std::ranges::all_of(letters, [](char32_t c) {
                return (c >= U'a' && c <= U'z') || (c >= U'α' && c <= U'ω');
            })) << Languages().LanguageName(i);
        }
    }
}

// Each row writes the letters of its own alphabet, no stand-in from another, and a row whose
// language has letters beyond the old Western code page uses them.
TEST(LanguageTable, EveryRowWritesTheLettersOfItsOwnAlphabet) {
    const LanguageTable& lang = Languages();
    for (int i = 0; i < lang.AvailableLanguages(); ++i) {
        bool beyondWestern = false;
        for (std::size_t t = 0; t < kTextCount; ++t) {
            const std::string text = lang.Text(static_cast<TextId>(t), i);
            for (char32_t c : CodePoints(text)) {
                beyondWestern = beyondWestern || IsBeyondWestern(c);
                const bool letter = (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x3FF);
                const bool own = i == kGreek ? c >= 0x370 : kAccentedLetters[i].find(c) != std::u32string_view::npos;
                EXPECT_TRUE(!letter || own) << lang.LanguageName(i) << ": U+" << std::hex << static_cast<unsigned>(c)
                                            << " in \"" << text << "\"";
            }
        }
        EXPECT_EQ(beyondWestern, i == kGreek || std::ranges::any_of(kAccentedLetters[i], IsBeyondWestern))
            << lang.LanguageName(i);
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
