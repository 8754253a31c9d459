#include "lang/LanguageTable.h"

#include "lang/LanguageRow.h"
#include "lang/rows/Czech.h"
#include "lang/rows/Danish.h"
#include "lang/rows/Dutch.h"
#include "lang/rows/English.h"
#include "lang/rows/Finnish.h"
#include "lang/rows/French.h"
#include "lang/rows/German.h"
#include "lang/rows/Greek.h"
#include "lang/rows/Hungarian.h"
#include "lang/rows/Italian.h"
#include "lang/rows/Norwegian.h"
#include "lang/rows/Portuguese.h"
#include "lang/rows/Romanian.h"
#include "lang/rows/Slovenian.h"
#include "lang/rows/Spanish.h"
#include "lang/rows/Swedish.h"
#include "lang/rows/Turkish.h"

namespace snapwright {

// The texts are UTF-8 literals; a compiler reading the rows in another character set would garble
// every accented letter.
static_assert(sizeof("ü") == 3, "the language rows must be compiled as UTF-8");

namespace {

using language_rows::LanguageRow;

// The rows in the order of the Language setting's values. Each is checked against the English one
// when this file compiles: every text present, none named twice, the same placeholders.
template <const LanguageRow&... rows>
struct CheckedRows {
    static_assert(sizeof...(rows) == kLanguageCount, "one row for every language");
    static_assert((language_rows::CheckRow<rows, language_rows::kEnglish>() && ...));
    static constexpr const LanguageRow* kAll[] = {&rows...};
};

using Rows = CheckedRows<language_rows::kEnglish, language_rows::kGerman, language_rows::kFrench,
                         language_rows::kItalian, language_rows::kDutch, language_rows::kSpanish,
                         language_rows::kPortuguese, language_rows::kDanish, language_rows::kSwedish,
                         language_rows::kNorwegian, language_rows::kFinnish, language_rows::kRomanian,
                         language_rows::kHungarian, language_rows::kSlovenian, language_rows::kCzech,
                         language_rows::kTurkish, language_rows::kGreek>;

// Every property reads its row here. The Language setting comes from the settings store, where
// a damaged value can hold any number; such an index has no row of its own, so it reads the
// English one rather than memory outside the table.
const LanguageRow& RowOf(int language) {
    return *Rows::kAll[(language >= 0 && language < kLanguageCount) ? language : 0];
}

}  // namespace

const LanguageTable& Languages() {
    static const LanguageTable instance;
    return instance;
}

std::string LanguageTable::LanguageName(int language) const { return RowOf(language).name; }
std::string LanguageTable::FontName(int language) const { return RowOf(language).fontName; }
int LanguageTable::FontSize(int language) const { return RowOf(language).fontSize; }

std::string LanguageTable::Text(TextId text, int language) const {
    return RowOf(language).texts.at(static_cast<std::size_t>(text));
}

}  // namespace snapwright
