#pragma once
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "lang/Placeholders.h"
#include "lang/TextId.h"

// The shape of one language's row, for the files in lang/rows/ and the table that holds them.
namespace snapwright::language_rows {

using enum TextId;

struct TextEntry {
    TextId id;
    const char* text = nullptr;
};

struct LanguageRow {
    const char* name;
    const char* fontName;
    int fontSize;
    std::array<const char*, kTextCount> texts;  // by TextId
    std::size_t entries;                        // as written, to find a text named twice
};

// A row from its texts in any order, each placed at its id.
template <std::size_t N>
constexpr LanguageRow Row(const char* name, const char* fontName, int fontSize, const TextEntry (&entries)[N]) {
    LanguageRow row{name, fontName, fontSize, {}, N};
    for (const TextEntry& entry : entries) row.texts[static_cast<std::size_t>(entry.id)] = entry.text;
    return row;
}

// The checks of a row against the English one, one text id at a time, so that a failure names the
// row and the text ("with const LanguageRow& row = kGerman; TextId id = TextId::SaveButton").
template <const LanguageRow& row, const LanguageRow& english, TextId id>
constexpr bool CheckText() {
    constexpr const char* text = row.texts[static_cast<std::size_t>(id)];
    static_assert(text != nullptr && *text != '\0', "the row lacks this text");
    static_assert(text == nullptr || SamePlaceholders(text, english.texts[static_cast<std::size_t>(id)]),
                  "the text has other placeholders than its English text");
    return true;
}

template <const LanguageRow& row, const LanguageRow& english, std::size_t... ids>
constexpr bool CheckTexts(std::index_sequence<ids...>) {
    return (CheckText<row, english, static_cast<TextId>(ids)>() && ...);
}

template <const LanguageRow& row, const LanguageRow& english>
constexpr bool CheckRow() {
    static_assert(row.entries <= kTextCount, "the row names a text twice");
    return CheckTexts<row, english>(std::make_index_sequence<kTextCount>{});
}

}  // namespace snapwright::language_rows
