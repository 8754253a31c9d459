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
             {{Id(CaptionLabel), IDC_ABOUT_CAPTION},
              {Id(Logo), IDC_ABOUT_LOGO},
              {Id(MailIcon), IDC_ABOUT_MAIL},
              {Id(TitleLabel), IDC_ABOUT_TITLE},
              {Id(VersionText), IDC_ABOUT_VERSION},
              {Id(CopyrightLabel), IDC_ABOUT_COPYRIGHT},
              {Id(DisclaimerLabel), IDC_ABOUT_DISCLAIMER},
              {Id(Separator), IDC_ABOUT_LINE1},
              {Id(CreditsButton), IDC_ABOUT_CREDITS},
              {Id(UpdateButton), IDC_ABOUT_UPDATE},
              {Id(OkButton), IDC_ABOUT_OK}}) {
    m_form.Attach(*this, icon, Id(CaptionLabel));
}

// The program's title is large and bold; the language does not touch it.
void AboutWindow::OnLoad() {
    m_form.SetFontSize(Id(TitleLabel), kTitlePoints);
    m_form.SetFontBold(Id(TitleLabel), true);
    if (m_presenter) m_presenter->OnLoad();
}

void AboutWindow::OnClick(ControlId control) {
    if (!m_presenter) return;
    AboutDialog& p = *m_presenter;
    switch (static_cast<AboutControl>(control)) {
        case Logo: p.OnLogo(); break;
        case MailIcon: p.OnMailIcon(); break;
        case CreditsButton: p.OnCredits(); break;
        case UpdateButton: p.OnUpdate(); break;
        case OkButton: p.OnOk(); break;
        default: break;
    }
}

// Escape and Alt+F4 close the box as its OK button does.
void AboutWindow::OnCloseRequest() {
    if (m_presenter) m_presenter->OnOk();
}

}  // namespace snapwright::win32
