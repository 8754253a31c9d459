#include "settings/OptionsDialog.h"

#include <algorithm>
#include <iterator>

#include "lang/ApplyLanguage.h"
#include "lang/LanguageTable.h"
#include "lang/UserText.h"

namespace snapwright {

using enum OptionsControl;

namespace {

// The option button that stands for each value of a setting.
template <typename Value>
struct Option {
    OptionsControl control;
    Value value;
};

constexpr Option<PrintTarget> kPrintOptions[] = {{DefaultPrinter, PrintTarget::DefaultPrinter},
                                                 {ChoosePrinter, PrintTarget::ChosenPrinter}};
constexpr Option<SaveTarget> kSaveOptions[] = {{SaveToProgramFolder, SaveTarget::ProgramFolder},
                                               {AskForFile, SaveTarget::AskForFile}};
constexpr Option<SendTarget> kSendOptions[] = {{SendToWordProcessor, SendTarget::WordProcessor},
                                               {SendToSpreadsheet, SendTarget::Spreadsheet},
                                               {SendToPresentation, SendTarget::Presentation},
                                               {AskAtSend, SendTarget::AskAtSend},
                                               {SendToEditor, SendTarget::Editor}};
constexpr Option<PageFormat> kPageOptions[] = {{PortraitOneShot, PageFormat::PortraitOneShot},
                                               {PortraitTwoShots, PageFormat::PortraitTwoShots},
                                               {LandscapeOneShot, PageFormat::LandscapeOneShot}};
constexpr std::pair<OptionsControl, OptionsControl> kPagePictures[] = {
    {PortraitOneShotPicture, PortraitOneShot},
    {PortraitTwoShotsPicture, PortraitTwoShots},
    {LandscapeOneShotPicture, LandscapeOneShot}};

// The icon beside the office choices for each program; one suite's three show.
constexpr std::pair<OfficeProgram, OptionsControl> kSuiteIcons[] = {
    {OfficeProgram::Word, WordIcon},     {OfficeProgram::Excel, ExcelIcon}, {OfficeProgram::PowerPoint, PowerPointIcon},
    {OfficeProgram::Writer, WriterIcon}, {OfficeProgram::Calc, CalcIcon},   {OfficeProgram::Impress, ImpressIcon}};

template <typename Value, std::size_t N>
void Choose(OptionsControl control, const Option<Value> (&options)[N], Value& field) {
    for (const auto& option : options) {
        if (option.control == control) field = option.value;
    }
}

template <typename Value, std::size_t N>
void Check(IForm& form, Value value, const Option<Value> (&options)[N]) {
    for (const auto& option : options) {
        if (option.value == value) form.SetChecked(Id(option.control), true);
    }
}

}  // namespace

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
    for (OfficeSuite suite : kOfficeSuites) m_form.AddListItem(Id(OfficeSuiteList), SuiteName(suite));
    ShowOfficeSuite();
    PutLanguageOnWindow();
    m_stored = m_settings;
    m_defaultsChosen = false;
}

// The window's own title too: the taskbar and Alt+Tab show it.
void OptionsDialog::PutLanguageOnWindow() {
    m_form.SetText(kWindowTitle, UserText(TextId::OptionsWindowTitle, m_settings.Language));
    ApplyLanguage(m_form, m_settings.Language, kOptionsTexts, Id(CaptionLabel));
}

void OptionsDialog::ShowOfficeSuite() {
    const auto at = std::find(kOfficeSuites.begin(), kOfficeSuites.end(), m_settings.Office);
    m_form.SetListIndex(Id(OfficeSuiteList), static_cast<int>(at - kOfficeSuites.begin()));
    ShowSuiteIcons();
}

// The captions of the office choices do not change with the suite; only the icons beside them do.
void OptionsDialog::ShowSuiteIcons() {
    for (const auto& [program, icon] : kSuiteIcons) m_form.SetVisible(Id(icon), SuiteOf(program) == m_settings.Office);
}

void OptionsDialog::OnOption(OptionsControl option) {
    for (const auto& [picture, button] : kPagePictures) {
        if (option == picture) {
            m_form.SetChecked(Id(button), true);
            option = button;
        }
    }
    Choose(option, kPrintOptions, m_settings.PrintTo);
    Choose(option, kSaveOptions, m_settings.SaveTo);
    Choose(option, kSendOptions, m_settings.SendTo);
    Choose(option, kPageOptions, m_settings.Printformat);
}

void OptionsDialog::OnCheckBox(OptionsControl checkBox) {
    const bool checked = m_form.Checked(Id(checkBox));
    switch (checkBox) {
        case TimestampBox: m_settings.PrintTimeStamp = checked; break;
        case UserNameBox: m_settings.PrintUser = checked; break;
        case ComputerNameBox: m_settings.PrintComputer = checked; break;
        case FooterBox: m_settings.PrintFooter = checked; break;
        default: break;
    }
}

// The dialog changes language at once; the other windows follow when they next load.
void OptionsDialog::OnLanguageChosen() {
    const int index = m_form.ListIndex(Id(LanguageList));
    if (index < 0) return;  // nothing chosen
    m_settings.Language = index;
    PutLanguageOnWindow();
}

void OptionsDialog::OnOfficeSuiteChosen() {
    const int index = m_form.ListIndex(Id(OfficeSuiteList));
    if (index < 0 || index >= static_cast<int>(kOfficeSuites.size())) return;
    m_settings.Office = kOfficeSuites[static_cast<std::size_t>(index)];
    ShowSuiteIcons();
}

// A language saved reaches the windows that are open, the editor at once.
void OptionsDialog::OnSave() {
    if (m_defaultsChosen) m_settings.ShowSplash = Settings{}.ShowSplash;
    m_settingsManager.SaveSettings();
    const bool languageChanged = m_settings.Language != m_stored.Language;
    m_stored = m_settings;
    m_form.Unload();
    if (languageChanged && m_languageSaved) m_languageSaved();
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

// The defaults are choices like any other: the dialog shows them on every control, and they are
// stored by Save and taken back by Cancel. The start window that the defaults bring back is kept
// for Save, as the start window's own check box may change the record meanwhile.
void OptionsDialog::OnRestoreDefaults() {
    const bool showSplash = m_settings.ShowSplash;
    m_settingsManager.SetDefaults();
    m_settings.ShowSplash = showSplash;
    m_defaultsChosen = true;
    ShowOptions(m_settings);
    ShowCheckBoxes(m_settings);
    ShowOfficeSuite();
}

void OptionsDialog::OnHelp() {
    m_help.Open(m_settings.Language);
}

// The keys dialog takes its keys when it is confirmed, whatever becomes of the options.
void OptionsDialog::OnKeys() {
    if (m_showKeys) m_showKeys();
}

void OptionsDialog::ShowLoadedSettings(const Settings& settings) {
    ShowOptions(settings);
    ShowLanguage(settings.Language);
    ShowCheckBoxes(settings);
}

// The print-format buttons, the suite list and the check boxes keep showing what they showed.
void OptionsDialog::ShowDefaultSettings() {
    const Settings defaults;
    Check(m_form, defaults.PrintTo, kPrintOptions);
    Check(m_form, defaults.SaveTo, kSaveOptions);
    Check(m_form, defaults.SendTo, kSendOptions);
    ShowLanguage(defaults.Language);
    ShowSuiteIcons();
}

void OptionsDialog::ShowOptions(const Settings& settings) {
    Check(m_form, settings.PrintTo, kPrintOptions);
    Check(m_form, settings.SaveTo, kSaveOptions);
    Check(m_form, settings.SendTo, kSendOptions);
    Check(m_form, settings.Printformat, kPageOptions);
}

void OptionsDialog::ShowCheckBoxes(const Settings& settings) {
    m_form.SetChecked(Id(TimestampBox), settings.PrintTimeStamp);
    m_form.SetChecked(Id(UserNameBox), settings.PrintUser);
    m_form.SetChecked(Id(ComputerNameBox), settings.PrintComputer);
    m_form.SetChecked(Id(FooterBox), settings.PrintFooter);
}

void OptionsDialog::ShowLanguage(int language) {
    m_form.SetListIndex(Id(LanguageList), language);
    OnLanguageChosen();
}

}  // namespace snapwright
