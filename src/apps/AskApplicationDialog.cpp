#include "apps/AskApplicationDialog.h"

#include "apps/AskApplicationControls.h"
#include "lang/ApplyLanguage.h"

namespace snapwright {

using enum AskApplicationControl;

namespace {

constexpr std::pair<AskApplicationControl, OfficeKind> kChoices[] = {{WordProcessor, OfficeKind::WordProcessor},
                                                                     {Spreadsheet, OfficeKind::Spreadsheet},
                                                                     {Presentation, OfficeKind::Presentation}};

}  // namespace

AskApplicationDialog::AskApplicationDialog(Ports ports) : m_ports(std::move(ports)) {}

bool AskApplicationDialog::Show(PicturePtr shot) {
    m_shot = std::move(shot);
    m_delivered = false;
    if (m_ports.loadToForeground) m_ports.loadToForeground();
    m_ports.form.ShowModal();
    m_shot.reset();
    return m_delivered;
}

void AskApplicationDialog::OnLoad() {
    ApplyLanguage(m_ports.form, m_ports.settings.Language, kAskApplicationTexts, Id(CaptionLabel));
    for (const auto& [choice, kind] : kChoices) {
        m_ports.form.SetText(Id(choice), ChoiceName(ProgramOf(m_ports.settings.Office, kind)));
    }
}

// The dialog hides before it sends, so that it does not cover the program that receives the
// screenshot; a start question that the send raises shows on its own.
void AskApplicationDialog::OnOk() {
    IForm& form = m_ports.form;
    form.Hide();
    for (const auto& [choice, kind] : kChoices) {
        if (form.Checked(Id(choice)) && m_ports.sender.Send(ProgramOf(m_ports.settings.Office, kind), m_shot)) {
            m_delivered = true;
        }
    }
    if (form.Checked(Id(Editor)) && m_ports.showEditor) {
        m_ports.showEditor();
        m_delivered = true;
    }
    form.Unload();
}

void AskApplicationDialog::OnCancel() {
    m_ports.form.Unload();
}

}  // namespace snapwright
