#include "settings/frmOptions.h"

#include <cstdint>
#include <iterator>

#include "lang/ApplyLanguage.h"
#include "lang/UILang.h"

namespace snapwright {

using enum OptionsControl;

frmOptions::frmOptions(IForm& form, SettingsManager& settingsManager, Settings& settings, IShell& shell)
    : m_form(form), m_settingsManager(settingsManager), m_settings(settings), m_shell(shell) {}

void frmOptions::Show() {
    m_form.ShowModal();
}

// The load re-reads the store: whatever was clicked and cancelled in an earlier opening is
// replaced by the stored values here.
void frmOptions::Form_Load() {
    const clsUILang& lang = UILang();
    m_form.ClearList(Id(cmbLang));
    for (int i = 0; i < lang.AvailableLanguages(); ++i) m_form.AddListItem(Id(cmbLang), lang.LangStr(i));

    m_settingsManager.LoadSettings();

    m_form.ClearList(Id(cmbOfficeSuite));
    for (const char* suite : kOfficeSuites) m_form.AddListItem(Id(cmbOfficeSuite), suite);
    // A suite the list does not know selects nothing and leaves the record as it is.
    if (m_settings.Office < std::size(kOfficeSuites)) {
        m_form.SetListIndex(Id(cmbOfficeSuite), m_settings.Office);
        cmbOfficeSuite_Click();
    }

    ApplyLanguage(kOptionsWindow, m_settings.Language, m_form);
    SetOffice();
}

// Only one suite's icons show. The other suite's icons stand where the Microsoft ones stand, so
// that the option captions, which do not change with the suite, keep their icons beside them.
void frmOptions::SetOffice() {
    struct IconPair {
        OptionsControl microsoft;
        OptionsControl openOffice;
    };
    static constexpr IconPair kIcons[] = {{imWW, imWr}, {imXL, imSc}, {imPP, imIm}};

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

void frmOptions::optDfltPrt_Click() { m_settings.PrintTo = 1; }
void frmOptions::optPrtSel_Click() { m_settings.PrintTo = 2; }
void frmOptions::optInstDir_Click() { m_settings.SaveTo = 1; }
void frmOptions::OptAskDestDir_Click() { m_settings.SaveTo = 2; }
void frmOptions::optSendWord_Click() { m_settings.SendTo = 1; }
void frmOptions::optXL_Click() { m_settings.SendTo = 2; }
void frmOptions::optPpt_Click() { m_settings.SendTo = 3; }
void frmOptions::optAskRuntime_Click() { m_settings.SendTo = 4; }
void frmOptions::optEditor_Click() { m_settings.SendTo = 5; }

// The print format decides how many shots make a page; both change together.
void frmOptions::optHoch1_Click() {
    m_settings.Printformat = 1;
    m_settings.NumShots = 1;
}

void frmOptions::optHoch2_Click() {
    m_settings.Printformat = 2;
    m_settings.NumShots = 2;
}

void frmOptions::optQuer1_Click() {
    m_settings.Printformat = 3;
    m_settings.NumShots = 1;
}

void frmOptions::Image1_Click() { Select(optHoch1, &frmOptions::optHoch1_Click); }
void frmOptions::Image2_Click() { Select(optHoch2, &frmOptions::optHoch2_Click); }
void frmOptions::Image3_Click() { Select(optQuer1, &frmOptions::optQuer1_Click); }

void frmOptions::chkTimestamp_Click() { m_settings.PrintTimeStamp = IsChecked(chkTimestamp); }
void frmOptions::chkUsername_Click() { m_settings.PrintUser = IsChecked(chkUsername); }
void frmOptions::chkComputer_Click() { m_settings.PrintComputer = IsChecked(chkComputer); }
void frmOptions::chkFooter_Click() { m_settings.PrintFooter = IsChecked(chkFooter); }

// The dialog changes language at once; the other windows follow when they next load.
void frmOptions::cmbLang_Click() {
    const int index = m_form.ListIndex(Id(cmbLang));
    if (index < 0) return;  // nothing chosen
    m_settings.Language = static_cast<std::uint8_t>(index);
    ApplyLanguage(kOptionsWindow, m_settings.Language, m_form);
    SetOffice();
}

void frmOptions::cmbOfficeSuite_Click() {
    const int index = m_form.ListIndex(Id(cmbOfficeSuite));
    if (index < 0) return;
    m_settings.Office = static_cast<std::uint8_t>(index);
    SetOffice();
}

void frmOptions::cmdOK_Click() {
    m_settingsManager.SaveSettings();
    m_form.Unload();
}

// Cancel only closes: the values clicked meanwhile stay in the record and act on the following
// hotkeys, until the next opening of the dialog reads the store again.
void frmOptions::cmdCancel_Click() {
    m_form.Unload();
}

// The defaults reach the store at once and the dialog stays open, whatever the user does next.
void frmOptions::cmdRestore_Click() {
    m_settingsManager.SetDefaults();
    m_settingsManager.SaveSettings();
}

void frmOptions::optHelp_Click() {
    m_shell.Open(kHelpFile, ShowAs::Maximized);
}

// Selecting a control runs its click handler, which writes the same value back into the record.
// A value none of the controls stands for selects nothing, and the record keeps it.
void frmOptions::ShowLoadedSettings(const Settings& loaded) {
    // The handlers write into the live record, which may be the very record given here.
    const Settings s = loaded;

    switch (s.PrintTo) {
        case 1: Select(optDfltPrt, &frmOptions::optDfltPrt_Click); break;
        case 2: Select(optPrtSel, &frmOptions::optPrtSel_Click); break;
        default: break;
    }
    switch (s.SaveTo) {
        case 1: Select(optInstDir, &frmOptions::optInstDir_Click); break;
        case 2: Select(OptAskDestDir, &frmOptions::OptAskDestDir_Click); break;
        default: break;
    }
    switch (s.SendTo) {
        case 1: Select(optSendWord, &frmOptions::optSendWord_Click); break;
        case 2: Select(optXL, &frmOptions::optXL_Click); break;
        case 3: Select(optPpt, &frmOptions::optPpt_Click); break;
        case 4: Select(optAskRuntime, &frmOptions::optAskRuntime_Click); break;
        case 5: Select(optEditor, &frmOptions::optEditor_Click); break;
        default: break;
    }
    switch (s.Printformat) {
        case 1: Select(optHoch1, &frmOptions::optHoch1_Click); break;
        case 2: Select(optHoch2, &frmOptions::optHoch2_Click); break;
        case 3: Select(optQuer1, &frmOptions::optQuer1_Click); break;
        default: break;
    }
    if (s.Language < UILang().AvailableLanguages()) {
        m_form.SetListIndex(Id(cmbLang), s.Language);
        cmbLang_Click();
    }
    SetCheckBox(chkTimestamp, s.PrintTimeStamp, &frmOptions::chkTimestamp_Click);
    SetCheckBox(chkUsername, s.PrintUser, &frmOptions::chkUsername_Click);
    SetCheckBox(chkComputer, s.PrintComputer, &frmOptions::chkComputer_Click);
    SetCheckBox(chkFooter, s.PrintFooter, &frmOptions::chkFooter_Click);
}

// The print-format buttons, the suite list and the check boxes keep showing what they showed.
void frmOptions::ShowDefaultSettings() {
    Select(optDfltPrt, &frmOptions::optDfltPrt_Click);
    Select(optInstDir, &frmOptions::optInstDir_Click);
    Select(optSendWord, &frmOptions::optSendWord_Click);
    m_form.SetListIndex(Id(cmbLang), 0);
    cmbLang_Click();
    SetOffice();
}

void frmOptions::Select(OptionsControl option, void (frmOptions::*click)()) {
    m_form.SetChecked(Id(option), true);
    (this->*click)();
}

void frmOptions::SetCheckBox(OptionsControl checkBox, bool checked, void (frmOptions::*click)()) {
    m_form.SetChecked(Id(checkBox), checked);
    (this->*click)();
}

bool frmOptions::IsChecked(OptionsControl checkBox) const {
    return m_form.Checked(Id(checkBox));
}

}  // namespace snapwright
