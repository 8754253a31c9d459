#include "save/win32/SaveAsWindow.h"

#include <commctrl.h>

#include "save/SaveAsControls.h"
#include "save/win32/SaveAsWindowIds.h"

namespace snapwright::win32 {

using enum SaveAsControl;

namespace {

constexpr int kTicksEvery = 10;  // percent

}  // namespace

SaveAsWindow::SaveAsWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_SAVEAS,
             {{Id(CaptionLabel), IDC_SAVEAS_CAPTION},
              {Id(FormatFrame), IDC_SAVEAS_FORMAT_FRAME},
              {Id(FormatList), IDC_SAVEAS_FORMAT},
              {Id(FileNameLabel), IDC_SAVEAS_FILENAME},
              {Id(BrowseButton), IDC_SAVEAS_BROWSE},
              {Id(ThumbnailBox), IDC_SAVEAS_THUMBNAIL},
              {Id(ThumbnailSlider), IDC_SAVEAS_SLIDER},
              {Id(ThumbnailSizeLabel), IDC_SAVEAS_THUMBSIZE},
              {Id(OkButton), IDC_SAVEAS_OK},
              {Id(CancelButton), IDC_SAVEAS_CANCEL}}) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

// The window's own title (on the task bar) is the caption label's text in the current language. The slider marks every tenth
// percent once the presenter has set its range.
void SaveAsWindow::OnLoad() {
    if (m_presenter) m_presenter->OnLoad();
    m_form.TitleFromCaptionLabel();
    ::SendMessageW(m_form.ItemWindow(Id(ThumbnailSlider)), TBM_SETTICFREQ, kTicksEvery, 0);
}

void SaveAsWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    SaveAsDialog& p = *m_presenter;
    switch (static_cast<SaveAsControl>(control)) {
        case FormatList: p.OnFormatChosen(); break;
        case BrowseButton: p.OnBrowse(); break;
        case OkButton: p.OnOk(); break;
        case CancelButton: p.OnCancel(); break;
        default: break;
    }
}

void SaveAsWindow::OnScroll(ControlId control) {
    if (m_presenter && control == Id(ThumbnailSlider)) m_presenter->OnThumbnailSlider();
}

// Escape and Alt+F4 close the dialog without saving, as its Cancel button does.
void SaveAsWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnCancel();
}

}  // namespace snapwright::win32
