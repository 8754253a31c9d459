#include "settings/OptionsDialog.h"

#include <cstdint>
#include <iterator>

#include "lang/ApplyLanguage.h"
#include "lang/LanguageTable.h"

namespace snapwright {

using enum OptionsControl;

OptionsDialog::OptionsDialog(IForm& form, SettingsManager& settingsManager, Settings& settings, HelpFile& help)
    : m_form(form), m_settingsManager(settingsManager), m_settings(settings), m_help(help) {}

void OptionsDialog::Show() {
    m_form.ShowModal();
}

// The load re-reads the store; the record as stored is what Cancel returns to.
void OptionsDialog::OnLoad() {
    const LanguageTable& lang = Languages();
    m_form.ClearList(Id(LanguageList));
    for (int i = 0; i < lang.AvailableLanguages(); ++i) m_form.AddListItem(Id(LanguageList), lang.LanguageName(i));

    m_settingsManager.LoadSettings();
    m_form.ClearList(Id(OfficeSuiteList));
    for (const char* suite : kOfficeSuites) m_form.AddListItem(Id(OfficeSuiteList), suite);
    ShowOfficeSuite();
    ApplyLanguage(kOptionsWindow, m_settings.Language, m_form);
    ShowSuiteIcons();
    m_stored = m_settings;
}

// A suite the list does not know selects nothing and leaves the record as it is.
void OptionsDialog::ShowOfficeSuite() {
    if (m_settings.Office < std::size(kOfficeSuites)) {
        m_form.SetListIndex(Id(OfficeSuiteList), m_settings.Office);
        OnOfficeSuiteChosen();
    }
}

// Only one suite's icons show. The other suite's icons stand where the Microsoft ones stand, so
// that the option captions, which do not change with the suite, keep their icons beside them.
void OptionsDialog::ShowSuiteIcons() {
    struct IconPair {
        OptionsControl microsoft;
        OptionsControl openOffice;
    };
    static constexpr IconPair kIcons[] = {{WordIcon, WriterIcon}, {ExcelIcon, CalcIcon}, {PowerPointIcon, ImpressIcon}};

    if (m_settings.Office == 0) {
        for (const auto& icon : kIcons) {
            m_form.SetVisible(Id(icon.microsoft), true);
            m_form.SetVisible(Id(icon.openOffice), false);
        }
    } else if (m_settings.Office == 1) {
        for (const auto& icon : kIcons) {
            m_form.SetVisible(Id(icon.microsoft), false);
            Rect bounds = m_form.Bounds(Id(icon.openOffice));
            bounds.left = m_form.Bounds(Id(icon.microsoft)).left;
            m_form.SetBounds(Id(icon.openOffice), bounds);
            m_form.SetVisible(Id(icon.openOffice), true);
        }
    }
}

void OptionsDialog::OnDefaultPrinter() { m_settings.PrintTo = 1; }
void OptionsDialog::OnChoosePrinter() { m_settings.PrintTo = 2; }
void OptionsDialog::OnSaveToProgramFolder() { m_settings.SaveTo = 1; }
void OptionsDialog::OnAskForFile() { m_settings.SaveTo = 2; }
void OptionsDialog::OnSendToWordProcessor() { m_settings.SendTo = 1; }
void OptionsDialog::OnSendToSpreadsheet() { m_settings.SendTo = 2; }
void OptionsDialog::OnSendToPresentation() { m_settings.SendTo = 3; }
void OptionsDialog::OnAskAtSend() { m_settings.SendTo = 4; }
void OptionsDialog::OnSendToEditor() { m_settings.SendTo = 5; }

// The print format decides how many shots make a page; both change together.
void OptionsDialog::OnPortraitPage() {
    m_settings.Printformat = 1;
    m_settings.NumShots = 1;
}

void OptionsDialog::OnTwoShotPortraitPage() {
    m_settings.Printformat = 2;
    m_settings.NumShots = 2;
}

void OptionsDialog::OnLandscapePage() {
    m_settings.Printformat = 3;
    m_settings.NumShots = 1;
}

void OptionsDialog::OnPortraitPagePicture() { Select(PortraitOneShot, &OptionsDialog::OnPortraitPage); }
void OptionsDialog::OnTwoShotPortraitPagePicture() { Select(PortraitTwoShots, &OptionsDialog::OnTwoShotPortraitPage); }
void OptionsDialog::OnLandscapePagePicture() { Select(LandscapeOneShot, &OptionsDialog::OnLandscapePage); }

void OptionsDialog::OnTimestampBox() { m_settings.PrintTimeStamp = IsChecked(TimestampBox); }
void OptionsDialog::OnUserNameBox() { m_settings.PrintUser = IsChecked(UserNameBox); }
void OptionsDialog::OnComputerNameBox() { m_settings.PrintComputer = IsChecked(ComputerNameBox); }
void OptionsDialog::OnFooterBox() { m_settings.PrintFooter = IsChecked(FooterBox); }

// The dialog changes language at once; the other windows follow when they next load.
void OptionsDialog::OnLanguageChosen() {
    const int index = m_form.ListIndex(Id(LanguageList));
    if (index < 0) return;  // nothing chosen
    m_settings.Language = static_cast<std::uint8_t>(index);
    ApplyLanguage(kOptionsWindow, m_settings.Language, m_form);
    ShowSuiteIcons();
}

void OptionsDialog::OnOfficeSuiteChosen() {
    const int index = m_form.ListIndex(Id(OfficeSuiteList));
    if (index < 0) return;
    m_settings.Office = static_cast<std::uint8_t>(index);
    ShowSuiteIcons();
}

void OptionsDialog::OnSave() {
    m_settingsManager.SaveSettings();
    m_stored = m_settings;
    m_form.Unload();
}

// Cancel closes without saving, and the clicks made meanwhile go with it: the following hotkeys,
// the tray menu and the next opening act on what the store holds. The start window's check box
// saves itself and stays as it is.
void OptionsDialog::OnCancel() {
    const bool showSplash = m_settings.ShowSplash;
    m_settings = m_stored;
    m_settings.ShowSplash = showSplash;
    m_form.Unload();
}

// The defaults reach the store at once and the dialog stays open, whatever the user does next;
// every control then shows the value the record holds.
void OptionsDialog::OnRestoreDefaults() {
    m_settingsManager.SetDefaults();
    m_settingsManager.SaveSettings();
    m_stored = m_settings;
    // The defaults show the targets and the language already; the rest follows.
    ShowPrintFormat(m_settings.Printformat);
    ShowCheckBoxes(m_settings);
    ShowOfficeSuite();
}

void OptionsDialog::OnHelp() {
    m_help.Open();
}

// Selecting a control runs its click handler, which writes the same value back into the record.
// A value none of the controls stands for selects nothing, and the record keeps it.
void OptionsDialog::ShowLoadedSettings(const Settings& loaded) {
    // The handlers write into the live record, which may be the very record given here.
    const Settings s = loaded;

    switch (s.PrintTo) {
        case 1: Select(DefaultPrinter, &OptionsDialog::OnDefaultPrinter); break;
        case 2: Select(ChoosePrinter, &OptionsDialog::OnChoosePrinter); break;
        default: break;
    }
    switch (s.SaveTo) {
        case 1: Select(SaveToProgramFolder, &OptionsDialog::OnSaveToProgramFolder); break;
        case 2: Select(AskForFile, &OptionsDialog::OnAskForFile); break;
        default: break;
    }
    switch (s.SendTo) {
        case 1: Select(SendToWordProcessor, &OptionsDialog::OnSendToWordProcessor); break;
        case 2: Select(SendToSpreadsheet, &OptionsDialog::OnSendToSpreadsheet); break;
        case 3: Select(SendToPresentation, &OptionsDialog::OnSendToPresentation); break;
        case 4: Select(AskAtSend, &OptionsDialog::OnAskAtSend); break;
        case 5: Select(SendToEditor, &OptionsDialog::OnSendToEditor); break;
        default: break;
    }
    ShowPrintFormat(s.Printformat);
    if (s.Language < Languages().AvailableLanguages()) {
        m_form.SetListIndex(Id(LanguageList), s.Language);
        OnLanguageChosen();
    }
    ShowCheckBoxes(s);
}

void OptionsDialog::ShowPrintFormat(std::uint8_t printformat) {
    switch (printformat) {
        case 1: Select(PortraitOneShot, &OptionsDialog::OnPortraitPage); break;
        case 2: Select(PortraitTwoShots, &OptionsDialog::OnTwoShotPortraitPage); break;
        case 3: Select(LandscapeOneShot, &OptionsDialog::OnLandscapePage); break;
        default: break;
    }
}

void OptionsDialog::ShowCheckBoxes(const Settings& s) {
    SetCheckBox(TimestampBox, s.PrintTimeStamp, &OptionsDialog::OnTimestampBox);
    SetCheckBox(UserNameBox, s.PrintUser, &OptionsDialog::OnUserNameBox);
    SetCheckBox(ComputerNameBox, s.PrintComputer, &OptionsDialog::OnComputerNameBox);
    SetCheckBox(FooterBox, s.PrintFooter, &OptionsDialog::OnFooterBox);
}

// The print-format buttons, the suite list and the check boxes keep showing what they showed.
void OptionsDialog::ShowDefaultSettings() {
    Select(DefaultPrinter, &OptionsDialog::OnDefaultPrinter);
    Select(SaveToProgramFolder, &OptionsDialog::OnSaveToProgramFolder);
    Select(SendToWordProcessor, &OptionsDialog::OnSendToWordProcessor);
    m_form.SetListIndex(Id(LanguageList), 0);
    OnLanguageChosen();
    ShowSuiteIcons();
}

void OptionsDialog::Select(OptionsControl option, void (OptionsDialog::*click)()) {
    m_form.SetChecked(Id(option), true);
    (this->*click)();
}

void OptionsDialog::SetCheckBox(OptionsControl checkBox, bool checked, void (OptionsDialog::*click)()) {
    m_form.SetChecked(Id(checkBox), checked);
    (this->*click)();
}

bool OptionsDialog::IsChecked(OptionsControl checkBox) const {
    return m_form.Checked(Id(checkBox));
}

}  // namespace snapwright
