#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/AskApplicationControls.h"
#include "apps/StartApplicationControls.h"
#include "capture/StartWindowControls.h"
#include "capture/KeysControls.h"
#include "capture/TrayProgram.h"
#include "editor/EditorControls.h"
#include "editor/TextWrap.h"
#include "fakes/FakeForm.h"
#include "lang/ApplyLanguage.h"
#include "lang/Placeholders.h"
#include "save/SaveAsControls.h"
#include "settings/OptionsControls.h"
#include "ui/AboutControls.h"

// That every language has every text is checked when LanguageTable.cpp compiles; these cases check
// what the texts hold.
namespace snapwright {
namespace {

using enum TextId;

// The letters a caption marks with "&" ("&&" is a literal ampersand), Latin and Greek ones in
// lower case; nothing when a "&" marks no letter.
std::optional<std::u32string> AccessLetters(const std::string& text) {
    const std::u32string points = DecodeUtf8(text);
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

// A text marks an access letter in every language exactly when its English text marks one.
TEST(LanguageTable, EveryTextIsTrimmedAndMarksAnAccessLetterWhereItsEnglishTextDoes) {
    const LanguageTable& lang = Languages();
    for (std::size_t t = 0; t < kTextCount; ++t) {
        const auto id = static_cast<TextId>(t);
        const std::size_t english = AccessLetters(lang.Text(id, 0)).value_or(U"").size();
        EXPECT_LE(english, 1u) << "text " << t << ": more than one access letter";
        for (int i = 0; i < lang.AvailableLanguages(); ++i) {
            const std::string text = lang.Text(id, i);
            SCOPED_TRACE("text " + std::to_string(t) + " of " + lang.LanguageName(i) + ": \"" + text + "\"");
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');
            const auto letters = AccessLetters(text);
            ASSERT_TRUE(letters.has_value()) << "a \"&\" that marks no letter";
            EXPECT_EQ(letters->size(), english);
        }
    }
}

std::vector<TextId> TrayMenuTexts() {
    std::vector<TextId> texts;
    for (const TrayProgram::MenuEntry& entry : TrayProgram::Menu()) {
        if (entry.text) texts.push_back(*entry.text);
    }
    return texts;
}

// The windows with their lists of texts, as the program shows them.
struct Window {
    const char* name;
    std::vector<TextId> texts;
};

template <std::size_t N>
Window WindowOf(const char* name, const ControlText (&controls)[N]) {
    Window window{name, {}};
    for (const ControlText& control : controls) {
        if (control.text != kNoText) window.texts.push_back(control.text);
    }
    return window;
}

std::vector<Window> Windows() {
    return {WindowOf("about box", kAboutTexts),
            WindowOf("application choice", kAskApplicationTexts),
            WindowOf("application start", kStartApplicationTexts),
            WindowOf("options", kOptionsTexts),
            WindowOf("save", kSaveAsTexts),
            WindowOf("start window", kStartWindowTexts),
            WindowOf("editor", kEditorTexts),
            WindowOf("keys", kKeysTexts),
            {"tray menu", TrayMenuTexts()}};
}

// Within a window the access letters differ, and each is one key of its language's keyboard (no
// dead key). A text shown on several controls counts once.
TEST(LanguageTable, TheAccessLettersOfAWindowDifferAndArePlainLettersInEveryLanguage) {
    for (Window window : Windows()) {
        std::ranges::sort(window.texts);
        const auto [last, end] = std::ranges::unique(window.texts);
        window.texts.erase(last, end);
        for (int i = 0; i < kLanguageCount; ++i) {
            std::u32string letters;
            for (TextId text : window.texts) letters += AccessLetters(Languages().Text(text, i)).value_or(U"");
            std::ranges::sort(letters);
            EXPECT_EQ(std::ranges::adjacent_find(letters), letters.end()) << window.name << ", " << Languages().LanguageName(i);
            EXPECT_TRUE(std::ranges::all_of(letters, [](char32_t c) {
                return (c >= U'a' && c <= U'z') || (c >= U'α' && c <= U'ω');
            })) << window.name << ", " << Languages().LanguageName(i);
        }
    }
}

// A text with letters, the same in a language as in English, as the reviewed exceptions: words
// that language uses as they are. Compared without access marks, placeholders and case.
struct SameTerm {
    unsigned languages;  // a bit for each language that keeps the term
    std::string_view text;
};
constexpr unsigned In(std::initializer_list<int> languages) {
    unsigned bits = 0;
    for (int language : languages) bits |= 1u << language;
    return bits;
}
constexpr unsigned kEvery = ~0u;
// The languages whose keyboards label the navigation keys in English, as Windows' texts in them
// name those keys (Dutch, Portuguese, the Nordic languages, Finnish, and from Romanian on).
constexpr unsigned kEnglishKeyLabels = In({4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
constexpr SameTerm kSameTerms[] = {
    {kEvery, "ok"},
    {kEvery, "ctrl"},     // keys as most keyboards label them
    {kEvery, "alt"},
    {kEvery, "win"},
    {kEvery, "zoom"},     // the editor's tools, as Windows names them in many languages
    {kEvery, "ellipse"},
    {kEvery, "text"},
    {kEvery, "version"},  // "Version {version}"
    {In({4}), "help"},         // Dutch: Windows' own Dutch says "Help"
    {In({1}), "update ?"},     // German: Windows' own German says "Update"
    {In({2}), "options"},      // French
    {In({7, 8}), "information"},  // Danish, Swedish
    // The tray menu's editor: Windows' own word in these languages (German "Editor", Italian "Editor
    // Criteri di gruppo", Dutch "Register-editor", Spanish "Editor del Registro", Portuguese "Editor
    // de Registo", Danish "Registreringseditor", Romanian "Editor de registry", Czech "Editor registru").
    {In({1, 3, 4, 5, 6, 7, 11, 14}), "editor"},
    // Key names the language's keyboards carry as they are.
    {kEnglishKeyLabels, "print screen"}, {kEnglishKeyLabels, "scroll lock"}, {kEnglishKeyLabels, "insert"},
    {kEnglishKeyLabels, "delete"},       {kEnglishKeyLabels, "home"},        {kEnglishKeyLabels, "end"},
    {kEnglishKeyLabels, "page up"},      {kEnglishKeyLabels, "page down"},
    {In({4, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16}), "enter"},
    {In({1, 2, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16}), "pause"},
    {In({4, 6, 11, 12, 13, 14, 16}), "shift"},
    {In({3, 4, 11, 12, 14, 16}), "backspace"},
    {In({1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 14, 16}), "tab"},
};

// Without access marks and case; a placeholder parts the sentence, except at its ends.
std::string Plain(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        const PlaceholderAt placeholder = NextPlaceholder(text, at);
        const std::size_t stop = std::min(placeholder.position, text.size());
        for (; at < stop; ++at) {
            if (text[at] != '&') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        }
        if (placeholder.position == std::string_view::npos) break;
        at = placeholder.End();
        if (!plain.empty() && at < text.size()) plain += '\n';
    }
    while (!plain.empty() && (plain.back() == ' ' || plain.back() == '\n')) plain.pop_back();
    return plain;
}

// The words of a text: runs of characters between blanks that hold a letter ("›" between two
// placeholders is none).
std::size_t WordCount(const std::string& text) {
    std::istringstream words(text);
    std::size_t count = 0;
    for (std::string word; words >> word;) {
        if (std::ranges::any_of(word, [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })) ++count;
    }
    return count;
}

// No row keeps an English text where its language has words, whole or as a sentence of three
// words or more inside its own text.
TEST(LanguageTable, NoRowKeepsAnEnglishSentence) {
    const LanguageTable& lang = Languages();
    std::vector<std::string> sentences;
    for (std::size_t t = 0; t < kTextCount; ++t) {
        std::istringstream parts(Plain(lang.Text(static_cast<TextId>(t), 0)));
        for (std::string part; std::getline(parts, part);) {
            if (WordCount(part) >= 3) sentences.push_back(part);
        }
    }
    for (int i = 1; i < kLanguageCount; ++i) {
        for (std::size_t t = 0; t < kTextCount; ++t) {
            const std::string text = Plain(lang.Text(static_cast<TextId>(t), i));
            const std::string english = Plain(lang.Text(static_cast<TextId>(t), 0));
            const bool same = text == english && std::ranges::any_of(text, [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
            const bool reviewed = std::ranges::any_of(kSameTerms, [&](const SameTerm& term) {
                return (term.languages & (1u << i)) != 0 && term.text == text;
            });
            EXPECT_FALSE(same && !reviewed) << lang.LanguageName(i) << " keeps the English \"" << english << "\"";
            for (const std::string& sentence : sentences) {
                EXPECT_EQ(text.find(sentence), std::string::npos) << lang.LanguageName(i) << " keeps \"" << sentence << "\"";
            }
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
            for (char32_t c : DecodeUtf8(text)) {
                beyondWestern = beyondWestern || IsBeyondWestern(c);
                // A byte that is no UTF-8 decodes as U+FFFD, which no alphabet has.
                const bool letter =
                    c == 0xFFFD || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x3FF);
                const bool own = c != 0xFFFD && (i == kGreek ? c >= 0x370
                                                             : kAccentedLetters[i].find(c) != std::u32string_view::npos);
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
    const ControlText texts[] = {{1, AboutCaption}, {2, OkButton}, {3, kNoText}};
    FakeForm greek;
    ApplyLanguage(greek, kGreek, texts, 1);
    EXPECT_EQ(greek.State(1).text, "Σχετικά με το Snapwright™");
    EXPECT_EQ(greek.State(1).fontSize, 0) << "the caption label keeps its design size";
    EXPECT_EQ(greek.State(2).fontName, "Arial");
    EXPECT_EQ(greek.State(2).fontSize, 11);
    EXPECT_FALSE(greek.controls.contains(3)) << "a control without a language text is left alone";
    FakeForm damaged;
    ApplyLanguage(damaged, 17, texts, 1);
    EXPECT_EQ(damaged.State(1).text, "About Snapwright™");
    EXPECT_EQ(damaged.State(2).fontSize, 8);
}

}  // namespace
}  // namespace snapwright
