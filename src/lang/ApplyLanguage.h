#pragma once

#include "platform/Form.h"

namespace snapwright {

// The windows that take the user-interface language, by the id their loads pass.
inline constexpr int kAboutWindow = 1;             // AboutDialog, AboutControl
inline constexpr int kAskApplicationWindow = 2;    // AskApplicationDialog, AskApplicationControl
inline constexpr int kOptionsWindow = 3;           // OptionsDialog, OptionsControl
inline constexpr int kSaveAsWindow = 4;            // SaveAsDialog, SaveAsControl
inline constexpr int kStartApplicationWindow = 6;  // StartApplicationDialog, StartApplicationControl

// Puts the font and texts of `language` (the Language setting) on the window `windowId`, whose
// form is `form`. Any other window id leaves the form untouched.
void ApplyLanguage(int windowId, int language, IForm& form);

}  // namespace snapwright
