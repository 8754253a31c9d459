#include "ui/AboutDialog.h"

#include <algorithm>

#include "Version.h"
#include "lang/ApplyLanguage.h"
#include "lang/UserText.h"
#include "ui/AboutControls.h"
#include "ui/MakerSite.h"

namespace snapwright {

using enum AboutControl;

namespace {

std::string ProgramVersion() {
    return VersionNumber(kVersionMajor, kVersionMinor, kVersionRevision);
}

}  // namespace

std::string VersionLabel(int language) {
    return UserText(TextId::AboutVersionLabel, language, {{"version", ProgramVersion()}});
}

// The title stands in the middle of a line of asterisks as long as the frame's, counted in letters
// rather than in the bytes of their UTF-8.
std::string CreditsText(int language) {
    const std::string frame(61, '*');
    const std::string title = UserText(TextId::CreditsCaption, language);
    const auto letters = static_cast<std::size_t>(std::ranges::count_if(title, [](char c) { return (c & 0xC0) != 0x80; }));
    const std::size_t stars = frame.size() > letters + 4 ? frame.size() - letters - 4 : 0;
    const std::string titleLine = std::string(stars / 2, '*') + "  " + title + "  " + std::string(stars - stars / 2, '*');
    std::string text;
    for (const std::string& line : {frame, titleLine, frame, std::string(), UserText(TextId::CreditsAuthors, language),
                                    std::string(), UserText(TextId::CreditsLibrary, language), std::string(),
                                    UserText(TextId::CreditsTranslators, language), std::string(),
                                    UserText(TextId::CreditsThanks, language)}) {
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
    const int language = m_settings.Language;
    m_form.SetText(kWindowTitle, UserText(TextId::AboutWindowTitle, language));
    m_form.SetText(Id(VersionText), VersionLabel(language));
    m_form.SetText(Id(TitleLabel), kProductName);
    ApplyLanguage(m_form, language, kAboutTexts, Id(CaptionLabel));
}

void AboutDialog::OnOk() {
    m_form.Unload();
}

void AboutDialog::OnUpdate() {
    m_shell.Open(UpdateAddress(ProgramVersion()), ShowAs::Normal);
}

void AboutDialog::OnCredits() {
    m_informationBox.Show(UserText(TextId::CreditsCaption, m_settings.Language), CreditsText(m_settings.Language));
}

void AboutDialog::OnLogo() {
    m_shell.Open(HomePageAddress(), ShowAs::Normal);
}

void AboutDialog::OnMailIcon() {
    m_shell.Open(SupportMailAddress(), ShowAs::Normal);
}

}  // namespace snapwright
