#include "ui/win32/AboutWindow.h"

#include "ui/AboutControls.h"
#include "ui/win32/AboutWindowIds.h"

namespace snapwright::win32 {

using enum AboutControl;

namespace {

constexpr int kTitlePoints = 16;

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HICON icon)
    : m_form(instance, IDD_ABOUT,
             {{Id(lblCaption), IDC_ABOUT_CAPTION},
              {Id(Image1), IDC_ABOUT_IMAGE1},
              {Id(Image2), IDC_ABOUT_IMAGE2},
              {Id(lblTitle), IDC_ABOUT_TITLE},
              {Id(lblVersion), IDC_ABOUT_VERSION},
              {Id(lblCopyright), IDC_ABOUT_COPYRIGHT},
              {Id(lblDisclaimer), IDC_ABOUT_DISCLAIMER},
              {Id(Line1), IDC_ABOUT_LINE1},
              {Id(cmdCredits), IDC_ABOUT_CREDITS},
              {Id(cmdUpdate), IDC_ABOUT_UPDATE},
              {Id(cmdOK), IDC_ABOUT_OK}}) {
    m_form.SetEvents(this);
    m_form.SetCaptionLabel(Id(lblCaption));
    m_form.SetIcon(icon);
}

// The caption label reads as a title bar: bold, in the system's caption colours. The window's own
// title, which only the task bar shows, keeps the design caption. The program's title is large
// and bold; the language does not touch it.
void AboutWindow::Form_Load() {
    ::SetWindowTextW(m_form.Handle(), L"About Snapwright");
    m_form.SetFontBold(Id(lblCaption), true);
    m_form.SetFontSize(Id(lblTitle), kTitlePoints);
    m_form.SetFontBold(Id(lblTitle), true);
    if (m_presenter) m_presenter->Form_Load();
}

void AboutWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    frmAbout& p = *m_presenter;
    switch (static_cast<AboutControl>(control)) {
        case Image1: p.Image1_Click(); break;
        case Image2: p.Image2_Click(); break;
        case cmdCredits: p.cmdCredits_Click(); break;
        case cmdUpdate: p.cmdUpdate_Click(); break;
        case cmdOK: p.cmdOK_Click(); break;
        default: break;
    }
}

// Escape and Alt+F4 close the box as its OK button does.
void AboutWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->cmdOK_Click();
}

}  // namespace snapwright::win32
