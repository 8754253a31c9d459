#include "capture/win32/StartWindow.h"

#include "capture/StartWindowControls.h"
#include "capture/win32/StartWindowIds.h"

namespace snapwright::win32 {

StartWindow::StartWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_START,
             {{Id(StartWindowControl::OkButton), IDC_START_OK},
              {Id(StartWindowControl::ShowAtStartupBox), IDC_START_SHOW_AT_STARTUP},
              {Id(StartWindowControl::ProgramIcon), IDC_START_PROGRAM_ICON},
              {Id(StartWindowControl::Banner), IDC_START_BANNER},
              {Id(StartWindowControl::OptionsHint), IDC_START_OPTIONS_HINT},
              {Id(StartWindowControl::TitleLabel), IDC_START_TITLE},
              {Id(StartWindowControl::StartPicture), IDC_START_PICTURE}}) {
    m_form.Attach(*this, icon);
}

void StartWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    if (control == Id(StartWindowControl::OkButton)) m_presenter->OnOk();
    if (control == Id(StartWindowControl::ShowAtStartupBox)) m_presenter->OnShowAtStartup();
}

void StartWindow::OnCloseRequest() {
    // Closing the start window only hides it: the program lives on in the tray.
    if (m_presenter) m_presenter->OnOk();
}

void StartWindow::OnMinimized() {
    if (m_presenter) m_presenter->OnMinimized();
}

}  // namespace snapwright::win32
