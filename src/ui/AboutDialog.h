#pragma once
#include <string>

#include "model/Settings.h"
#include "platform/Form.h"
#include "platform/InformationBox.h"
#include "platform/Shell.h"

namespace snapwright {

// "Version " and the program's three-part version number, in a language.
std::string VersionLabel(int language);
// The text of the credits box in a language: the frame of asterisks, the makers, the library, the
// translators.
std::string CreditsText(int language);

// The about box: title, version, notices, credits and the links to the maker's web site.
class AboutDialog {
public:
    AboutDialog(IForm& form, const Settings& settings, IShell& shell, IInformationBox& informationBox);

    // The tray menu's information entry: loads the dialog afresh and shows it modally.
    void Show();

    void OnLoad();
    void OnOk();
    void OnUpdate();
    void OnCredits();
    void OnLogo();      // the logo: the maker's home page
    void OnMailIcon();  // the mail icon: a message to the maker

private:
    IForm& m_form;
    const Settings& m_settings;
    IShell& m_shell;
    IInformationBox& m_informationBox;
};

}  // namespace snapwright
