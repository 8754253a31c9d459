#pragma once
#include <functional>
#include <utility>

#include "platform/Form.h"
#include "settings/OptionsControls.h"
#include "settings/SettingsManager.h"
#include "ui/HelpFile.h"

namespace snapwright {

// The options dialog: every control, and the defaults button, writes its value into the settings
// record the moment it is clicked; Save writes the record to the store and Cancel returns it to
// what the store holds. It also shows the record on its controls for LoadSettings and SetDefaults.
class OptionsDialog : public ISettingsView {
public:
    OptionsDialog(IForm& form, SettingsManager& settingsManager, Settings& settings, HelpFile& help);

    // The tray menu's options entry: loads the dialog when it is not loaded and shows it modally.
    void Show();
    // What follows when Save stores another language than the store held.
    void SetLanguageSavedHandler(std::function<void()> handler) { m_languageSaved = std::move(handler); }
    // What the keys button opens (the keys dialog, modal); the keys are not part of the settings record.
    void SetKeysAction(std::function<void()> showKeys) { m_showKeys = std::move(showKeys); }

    void OnLoad();
    // An option button, or a page picture, which chooses the print format beneath it.
    void OnOption(OptionsControl option);
    void OnCheckBox(OptionsControl checkBox);
    void OnLanguageChosen();
    void OnOfficeSuiteChosen();
    void OnSave();
    void OnCancel();
    void OnRestoreDefaults();
    void OnHelp();
    void OnKeys();

    void ShowLoadedSettings(const Settings& settings) override;
    void ShowDefaultSettings() override;

private:
    void ShowOptions(const Settings& settings);
    void ShowCheckBoxes(const Settings& settings);
    void ShowOfficeSuite();
    void ShowSuiteIcons();
    void ShowLanguage(int language);
    void PutLanguageOnWindow();

    IForm& m_form;
    SettingsManager& m_settingsManager;
    Settings& m_settings;
    HelpFile& m_help;
    Settings m_stored;  // the record as the store holds it
    bool m_defaultsChosen = false;  // since the dialog loaded
    std::function<void()> m_languageSaved;
    std::function<void()> m_showKeys;
};

}  // namespace snapwright
