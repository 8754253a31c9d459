#include "apps/AskApplicationDialog.h"

#include "apps/AskApplicationControls.h"
#include "lang/ApplyLanguage.h"

namespace snapwright {

using enum AskApplicationControl;

AskApplicationDialog::AskApplicationDialog(Ports ports) : m_ports(std::move(ports)) {}

void AskApplicationDialog::Show() {
    if (m_ports.loadToForeground) m_ports.loadToForeground();
    m_ports.form.ShowModal();
}

// The choices keep the Microsoft programs' names unless the second suite is configured.
void AskApplicationDialog::OnLoad() {
    IForm& form = m_ports.form;
    ApplyLanguage(kAskApplicationWindow, m_ports.settings.Language, form);
    if (m_ports.settings.Office != 0) {
        form.SetText(Id(WordProcessor), "OpenWriter/StarWriter");
        form.SetText(Id(Spreadsheet), "OpenCalc/Starcalc");
        form.SetText(Id(Presentation), "OpenImpress/StarImpress");
    }
}

// The dialog hides before it sends, so that it does not cover the program that receives the
// screenshot; a start question that the send raises shows on its own.
void AskApplicationDialog::OnOk() {
    IForm& form = m_ports.form;
    form.Hide();
    const int office = m_ports.settings.Office;
    if (form.Checked(Id(WordProcessor))) {
        m_ports.sender.Send(ProgramFor(OfficeKind::WordProcessor, office));
    } else if (form.Checked(Id(Spreadsheet))) {
        m_ports.sender.Send(ProgramFor(OfficeKind::Spreadsheet, office));
    } else if (form.Checked(Id(Presentation))) {
        m_ports.sender.Send(ProgramFor(OfficeKind::Presentation, office));
    } else if (form.Checked(Id(Editor))) {
        if (m_ports.showEditor) m_ports.showEditor();
    }
    form.Unload();
}

void AskApplicationDialog::OnCancel() {
    m_ports.form.Unload();
}

}  // namespace snapwright
