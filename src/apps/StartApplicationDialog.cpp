#include "apps/StartApplicationDialog.h"

#include "apps/StartApplication.h"
#include "lang/ApplyLanguage.h"

namespace snapwright {

StartApplicationDialog::StartApplicationDialog(IForm& form, const Settings& settings)
    : m_form(form), m_settings(settings) {}

bool StartApplicationDialog::Ask(const std::string& displayName) {
    ApplicationToStart() = displayName;
    m_answer = false;
    m_form.ShowModal();
    return m_answer;
}

// The caption and the question name the program, in the user's language.
void StartApplicationDialog::OnLoad() {
    ApplyLanguage(kStartApplicationWindow, m_settings.Language, m_form);
}

void StartApplicationDialog::OnOk() {
    m_answer = true;
    m_form.Unload();
}

void StartApplicationDialog::OnCancel() {
    m_form.Unload();
}

}  // namespace snapwright
