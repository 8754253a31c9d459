#pragma once
#include <string>

#include "lang/TextId.h"

namespace snapwright {

// The user-interface languages: for each language index its display name, font and texts (the rows
// in lang/rows/). Read-only; one shared instance (Languages()). An index outside
// 0 .. AvailableLanguages() - 1 reads the English entry. Texts with placeholders: UserText.h.
class LanguageTable {
public:
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    int AvailableLanguages() const { return kLanguageCount; }
    std::string LanguageName(int language) const;
    std::string FontName(int language) const;
    int FontSize(int language) const;
    std::string Text(TextId text, int language) const;

private:
    LanguageTable() = default;
    friend const LanguageTable& Languages();
};

// The shared instance, built on first use.
const LanguageTable& Languages();

}  // namespace snapwright
