#pragma once
#include "platform/Form.h"
#include "settings/OptionsControls.h"
#include "settings/SettingsManager.h"
#include "ui/HelpFile.h"

namespace snapwright {

// The entries of the office-suite list; the list index is the Office setting.
inline constexpr const char* kOfficeSuites[] = {
    "Microsoft Office (Word, Excel, Powerpoint)",
    "OpenOffice/StarOffice (Writer, Calc, Impress)",
};

// The options dialog: every control writes its value into the settings record the moment it is
// clicked; Save writes the record to the store and Cancel returns it to what the store holds. It
// also shows the record on its controls for LoadSettings and SetDefaults.
class OptionsDialog : public ISettingsView {
public:
    OptionsDialog(IForm& form, SettingsManager& settingsManager, Settings& settings, HelpFile& help);

    // The tray menu's options entry: loads the dialog when it is not loaded and shows it modally.
    void Show();

    void OnLoad();
    void ShowSuiteIcons();

    void OnDefaultPrinter();
    void OnChoosePrinter();
    void OnSaveToProgramFolder();
    void OnAskForFile();
    void OnSendToWordProcessor();
    void OnSendToSpreadsheet();
    void OnSendToPresentation();
    void OnAskAtSend();
    void OnSendToEditor();
    void OnPortraitPage();
    void OnTwoShotPortraitPage();
    void OnLandscapePage();
    void OnPortraitPagePicture();  // the page pictures choose their print format
    void OnTwoShotPortraitPagePicture();
    void OnLandscapePagePicture();
    void OnTimestampBox();
    void OnUserNameBox();
    void OnComputerNameBox();
    void OnFooterBox();
    void OnLanguageChosen();
    void OnOfficeSuiteChosen();
    void OnSave();
    void OnCancel();
    void OnRestoreDefaults();
    void OnHelp();

    void ShowLoadedSettings(const Settings& settings) override;
    void ShowDefaultSettings() override;

private:
    void ShowOfficeSuite();
    void ShowPrintFormat(std::uint8_t printformat);
    void ShowCheckBoxes(const Settings& settings);
    void Select(OptionsControl option, void (OptionsDialog::*click)());
    void SetCheckBox(OptionsControl checkBox, bool checked, void (OptionsDialog::*click)());
    bool IsChecked(OptionsControl checkBox) const;

    IForm& m_form;
    SettingsManager& m_settingsManager;
    Settings& m_settings;
    HelpFile& m_help;
    Settings m_stored;  // the record as the store holds it
};

}  // namespace snapwright
