#include "save/win32/SaveAsWindow.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "save/SaveAsControls.h"
#include "save/win32/SaveAsWindowIds.h"

namespace snapwright::win32 {

using enum SaveAsControl;

namespace {

constexpr int kTicksEvery = 10;  // percent

}  // namespace

SaveAsWindow::SaveAsWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_SAVEAS,
             {{Id(lblCaption), IDC_SAVEAS_CAPTION},
              {Id(Frame1), IDC_SAVEAS_FRAME1},
              {Id(cmbFileFormat), IDC_SAVEAS_FORMAT},
              {Id(lblfilename), IDC_SAVEAS_FILENAME},
              {Id(Command1), IDC_SAVEAS_BROWSE},
              {Id(chkThumbnail), IDC_SAVEAS_THUMBNAIL},
              {Id(sldTn), IDC_SAVEAS_SLIDER},
              {Id(lblTn), IDC_SAVEAS_THUMBSIZE},
              {Id(cmdOK), IDC_SAVEAS_OK},
              {Id(cmdCancel), IDC_SAVEAS_CANCEL}}) {
    m_form.SetEvents(this);
    m_form.SetCaptionLabel(Id(lblCaption));
    m_form.SetIcon(icon);
}

// The caption label reads as a title bar: bold, in the system's caption colours, and the window's
// own title (on the task bar) is its text in the current language. The slider marks every tenth
// percent once the presenter has set its range.
void SaveAsWindow::Form_Load() {
    m_form.SetFontBold(Id(lblCaption), true);
    if (m_presenter) m_presenter->Form_Load();
    ::SetWindowTextW(m_form.Handle(), ToWide(m_form.Text(Id(lblCaption))).c_str());
    ::SendMessageW(m_form.ItemWindow(Id(sldTn)), TBM_SETTICFREQ, kTicksEvery, 0);
}

void SaveAsWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    frmSaveAs& p = *m_presenter;
    switch (static_cast<SaveAsControl>(control)) {
        case cmbFileFormat: p.cmbFileFormat_Click(); break;
        case Command1: p.Command1_Click(); break;
        case cmdOK: p.cmdOK_Click(); break;
        case cmdCancel: p.cmdCancel_Click(); break;
        default: break;
    }
}

void SaveAsWindow::OnScroll(ControlId control) {
    if (m_presenter && control == Id(sldTn)) m_presenter->sldTn_Change();
}

// Escape and Alt+F4 close the dialog without saving, as its Cancel button does.
void SaveAsWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->cmdCancel_Click();
}

}  // namespace snapwright::win32
