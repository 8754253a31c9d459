#pragma once
#include "platform/Form.h"
#include "platform/Shell.h"
#include "settings/OptionsControls.h"
#include "settings/SettingsManager.h"

namespace snapwright {

// The help file, opened by name from the current folder.
inline constexpr const char* kHelpFile = "Snapwright.chm";

// The entries of the office-suite list; the list index is the Office setting.
inline constexpr const char* kOfficeSuites[] = {
    "Microsoft Office (Word, Excel, Powerpoint)",
    "OpenOffice/StarOffice (Writer, Calc, Impress)",
};

// The options dialog: every control writes its value into the settings record the moment it is
// clicked; Save writes the record to the store. It also shows the record on its controls for
// LoadSettings and SetDefaults.
class frmOptions : public ISettingsView {
public:
    frmOptions(IForm& form, SettingsManager& settingsManager, Settings& settings, IShell& shell);

    // The tray menu's options entry: loads the dialog when it is not loaded and shows it modally.
    void Show();

    void Form_Load();
    void SetOffice();

    void optDfltPrt_Click();
    void optPrtSel_Click();
    void optInstDir_Click();
    void OptAskDestDir_Click();
    void optSendWord_Click();
    void optXL_Click();
    void optPpt_Click();
    void optAskRuntime_Click();
    void optEditor_Click();
    void optHoch1_Click();
    void optHoch2_Click();
    void optQuer1_Click();
    void Image1_Click();  // the page pictures choose their print format
    void Image2_Click();
    void Image3_Click();
    void chkTimestamp_Click();
    void chkUsername_Click();
    void chkComputer_Click();
    void chkFooter_Click();
    void cmbLang_Click();
    void cmbOfficeSuite_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdRestore_Click();
    void optHelp_Click();

    void ShowLoadedSettings(const Settings& settings) override;
    void ShowDefaultSettings() override;

private:
    void Select(OptionsControl option, void (frmOptions::*click)());
    void SetCheckBox(OptionsControl checkBox, bool checked, void (frmOptions::*click)());
    bool IsChecked(OptionsControl checkBox) const;

    IForm& m_form;
    SettingsManager& m_settingsManager;
    Settings& m_settings;
    IShell& m_shell;
};

}  // namespace snapwright
