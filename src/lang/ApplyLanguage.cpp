#include "lang/ApplyLanguage.h"

#include <string>

#include "lang/LanguageTable.h"

namespace snapwright {

// The caption label is laid out for its design font size: it takes the language's face but
// keeps that size. The face goes on before the text so that the control measures the new text
// in the new font.
void ApplyLanguage(IForm& form, int language, std::span<const ControlText> texts, std::optional<ControlId> captionLabel,
                   std::span<const TextValue> values) {
    const LanguageTable& lang = Languages();
    const std::string face = lang.FontName(language);
    const int size = lang.FontSize(language);
    for (const ControlText& entry : texts) {
        if (entry.text == kNoText) continue;
        form.SetFontName(entry.control, face);
        if (entry.control != captionLabel) form.SetFontSize(entry.control, size);
        form.SetText(entry.control, FillPlaceholders(lang.Text(entry.text, language), values));
    }
}

void ApplyTexts(IForm& form, int language, std::span<const ControlText> texts) {
    for (const ControlText& entry : texts) {
        if (entry.text != kNoText) form.SetText(entry.control, Languages().Text(entry.text, language));
    }
}

}  // namespace snapwright
