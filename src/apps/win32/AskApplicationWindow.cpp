#include "apps/win32/AskApplicationWindow.h"

#include "apps/AskApplicationControls.h"
#include "apps/win32/AskApplicationWindowIds.h"

namespace snapwright::win32 {

using enum AskApplicationControl;

AskApplicationWindow::AskApplicationWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_ASKAPP,
             {{Id(CaptionLabel), IDC_ASKAPP_CAPTION},
              {Id(ChoiceFrame), IDC_ASKAPP_FRAME},
              {Id(WordProcessor), IDC_ASKAPP_WORD},
              {Id(Spreadsheet), IDC_ASKAPP_EXCEL},
              {Id(Presentation), IDC_ASKAPP_POWERPOINT},
              {Id(Editor), IDC_ASKAPP_EDITOR},
              {Id(OkButton), IDC_ASKAPP_OK},
              {Id(CancelButton), IDC_ASKAPP_CANCEL}}) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

// The window's own title (on the task bar) is the caption label's text.
void AskApplicationWindow::OnLoad() {
    if (m_presenter) m_presenter->OnLoad();
    m_form.TitleFromCaptionLabel();
}

void AskApplicationWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    if (control == Id(OkButton)) m_presenter->OnOk();
    if (control == Id(CancelButton)) m_presenter->OnCancel();
}

// Escape and Alt+F4 close the dialog as its Cancel button does.
void AskApplicationWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnCancel();
}

}  // namespace snapwright::win32
