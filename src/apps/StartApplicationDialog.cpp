#include "apps/StartApplicationDialog.h"

#include "apps/StartApplicationControls.h"
#include "lang/ApplyLanguage.h"

namespace snapwright {

using enum StartApplicationControl;

StartApplicationDialog::StartApplicationDialog(IForm& form, const Settings& settings)
    : m_form(form), m_settings(settings) {}

bool StartApplicationDialog::Ask(const std::string& displayName) {
    m_displayName = displayName;
    m_answer = false;
    m_form.ShowModal();
    return m_answer;
}

// The caption and the question name the program, in the user's language: "Send Screenshot to
// Writer", "Writer is not running. Start it now?".
void StartApplicationDialog::OnLoad() {
    const TextValue program[] = {{"program", m_displayName}};
    ApplyLanguage(m_form, m_settings.Language, kStartApplicationTexts, Id(CaptionLabel), program);
}

void StartApplicationDialog::OnOk() {
    m_answer = true;
    m_form.Unload();
}

void StartApplicationDialog::OnCancel() {
    m_form.Unload();
}

}  // namespace snapwright
