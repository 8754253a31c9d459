#include "capture/win32/StartWindow.h"

#include "capture/MainControls.h"
#include "capture/win32/StartWindowIds.h"

namespace snapwright::win32 {

StartWindow::StartWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_START,
             {{Id(MainControl::cmdOK), IDC_START_OK},
              {Id(MainControl::Check1), IDC_START_CHECK1},
              {Id(MainControl::picIcon), IDC_START_PICICON},
              {Id(MainControl::Image2), IDC_START_IMAGE2},
              {Id(MainControl::Label2), IDC_START_LABEL2},
              {Id(MainControl::Label1), IDC_START_LABEL1},
              {Id(MainControl::Image1), IDC_START_IMAGE1}}) {
    m_form.SetEvents(this);
    m_form.SetIcon(icon);
}

void StartWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    if (control == Id(MainControl::cmdOK)) m_presenter->cmdOK_Click();
    if (control == Id(MainControl::Check1)) m_presenter->Check1_Click();
}

void StartWindow::OnCloseRequest() {
    // Closing the start window only hides it: the program lives on in the tray.
    if (m_presenter) m_presenter->cmdOK_Click();
}

void StartWindow::OnMinimized() {
    if (m_presenter) m_presenter->Form_Minimized();
}

}  // namespace snapwright::win32
