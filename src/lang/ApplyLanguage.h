#pragma once
#include <optional>
#include <span>

#include "lang/ControlTexts.h"
#include "lang/Placeholders.h"
#include "platform/Form.h"

namespace snapwright {

// Puts the font and texts of `language` (the Language setting) on the controls of a window that
// its list gives a text, their placeholders filled with `values`; the others keep their design
// texts and fonts. The caption label, which stands in for a title bar, takes the language's face
// but keeps its design size.
void ApplyLanguage(IForm& form, int language, std::span<const ControlText> texts,
                   std::optional<ControlId> captionLabel = std::nullopt, std::span<const TextValue> values = {});
// The texts alone, for a window that puts the language's face on its controls itself (the editor,
// which measures its toolbar in it).
void ApplyTexts(IForm& form, int language, std::span<const ControlText> texts);

}  // namespace snapwright
