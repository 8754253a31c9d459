#include "ui/AboutDialog.h"

#include "Version.h"
#include "lang/ApplyLanguage.h"
#include "ui/AboutControls.h"
#include "ui/MakerSite.h"

namespace snapwright {

using enum AboutControl;

namespace {

std::string ProgramVersion() {
    return VersionNumber(kVersionMajor, kVersionMinor, kVersionRevision);
}

}  // namespace

std::string VersionLabel() {
    return "Version " + ProgramVersion();
}

std::string CreditsText() {
    static constexpr const char* kLines[] = {
        "*************************************************************",
        "*************************  Credits  *************************",
        "*************************************************************",
        "",
        "Snapwright\u2122 by the Snapwright authors, 2002-2006",
        "",
        "Image files are read and written with the FreeImage library, https://freeimage.sourceforge.io",
        "",
        "Translations:",
        "Greek: the Snapwright translator for Greek, 2005",
        "Czech: the Snapwright translator for Czech, 2005",
        "Spanish: the Snapwright translator for Spanish, 2006",
        "French: the Snapwright translator for French, 2006",
        "German and English: the Snapwright authors, 2002-2006",
        "Other languages: the Snapwright authors, with a machine-translation tool",
        "",
        "Many thanks to cppreference.com, winehq.org, learn.microsoft.com and the MSDN Library,",
        "and to all the other programming web sites.",
    };
    std::string text;
    for (const char* line : kLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

AboutDialog::AboutDialog(IForm& form, const Settings& settings, IShell& shell, IInformationBox& informationBox)
    : m_form(form), m_settings(settings), m_shell(shell), m_informationBox(informationBox) {}

void AboutDialog::Show() {
    m_form.ShowModal();
}

void AboutDialog::OnLoad() {
    m_form.SetText(Id(VersionText), VersionLabel());
    m_form.SetText(Id(TitleLabel), kProductName);
    ApplyLanguage(m_form, m_settings.Language, kAboutTexts, Id(CaptionLabel));
}

void AboutDialog::OnOk() {
    m_form.Unload();
}

void AboutDialog::OnUpdate() {
    m_shell.Open(UpdateAddress(ProgramVersion()), ShowAs::Normal);
}

void AboutDialog::OnCredits() {
    m_informationBox.Show("Credits", CreditsText());
}

void AboutDialog::OnLogo() {
    m_shell.Open(HomePageAddress(), ShowAs::Normal);
}

void AboutDialog::OnMailIcon() {
    m_shell.Open(SupportMailAddress(), ShowAs::Normal);
}

}  // namespace snapwright
