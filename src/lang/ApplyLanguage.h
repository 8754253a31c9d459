#pragma once

#include "platform/Form.h"

namespace snapwright {

// The windows that take the user-interface language, by the id their loads pass.
inline constexpr int kAboutWindow = 1;             // frmAbout, AboutControl
inline constexpr int kAskApplicationWindow = 2;    // frmAskApplication, AskApplicationControl
inline constexpr int kOptionsWindow = 3;           // frmOptions, OptionsControl
inline constexpr int kSaveAsWindow = 4;            // frmSaveAs, SaveAsControl
inline constexpr int kStartApplicationWindow = 6;  // frmStartApplication, StartApplicationControl

// Puts the font and texts of `language` (the Language setting) on the window `windowId`, whose
// form is `form`. Any other window id leaves the form untouched.
void ApplyLanguage(int windowId, int language, IForm& form);

}  // namespace snapwright
