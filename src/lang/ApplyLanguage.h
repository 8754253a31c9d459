#pragma once
#include <span>

#include "lang/TextId.h"
#include "platform/Form.h"

namespace snapwright {

// A control of a window and the language text it shows.
struct ControlText {
    ControlId control;
    TextId text;
};

// Puts the font and texts of `language` (the Language setting) on the listed controls of a
// window, the first of which is its caption label. Controls not listed keep their design texts
// and fonts.
void ApplyLanguage(IForm& form, int language, std::span<const ControlText> texts);

}  // namespace snapwright
