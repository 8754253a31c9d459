#include "apps/win32/StartApplicationWindow.h"

#include "apps/StartApplicationControls.h"
#include "apps/win32/StartApplicationWindowIds.h"

namespace snapwright::win32 {

using enum StartApplicationControl;

StartApplicationWindow::StartApplicationWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_STARTAPP,
             {{Id(CaptionLabel), IDC_STARTAPP_CAPTION},
              {Id(Question), IDC_STARTAPP_QUESTION},
              {Id(OkButton), IDC_STARTAPP_OK},
              {Id(CancelButton), IDC_STARTAPP_CANCEL}}) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

// The window's own title (on the task bar) is the caption label's text.
void StartApplicationWindow::OnLoad() {
    if (m_presenter) m_presenter->OnLoad();
    m_form.TitleFromCaptionLabel();
}

void StartApplicationWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    if (control == Id(OkButton)) m_presenter->OnOk();
    if (control == Id(CancelButton)) m_presenter->OnCancel();
}

// Escape and Alt+F4 decline, as the Cancel button does.
void StartApplicationWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnCancel();
}

}  // namespace snapwright::win32
