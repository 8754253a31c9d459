#include "capture/TrayProgram.h"

#include "Version.h"
#include "capture/StartWindowControls.h"
#include "lang/LanguageTable.h"
#include "platform/Diagnostics.h"
#include "platform/ScopedFlag.h"

namespace snapwright {

std::string TrayTip() {
    return std::string(kProductName) + "\u2122 V" + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

std::string StartTitle() {
    return std::string(kProductName) + " " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

TrayProgram::TrayProgram(IForm& form, SettingsManager& settingsManager, Settings& settings, Hotkeys& hotkeys,
                 ITrayIcon& trayIcon, Actions actions)
    : m_form(form),
      m_settingsManager(settingsManager),
      m_settings(settings),
      m_hotkeys(hotkeys),
      m_trayIcon(trayIcon),
      m_actions(std::move(actions)) {}

bool TrayProgram::OnLoad() {
    m_form.SetText(Id(StartWindowControl::TitleLabel), StartTitle());
    m_settingsManager.LoadSettings();
    if (!m_hotkeys.RegisterHotkeys()) return false;
    m_loaded = true;
    m_trayIcon.Add(TrayTip());
    // The check box only ever shows while the start window is wanted.
    m_form.SetChecked(Id(StartWindowControl::ShowAtStartupBox), true);
    if (m_settings.ShowSplash) {
        m_form.Show();
    } else {
        m_form.Hide();
    }
    return true;
}

void TrayProgram::OnMinimized() {
    // The program stays in the tray only.
    m_form.Hide();
}

void TrayProgram::OnOk() {
    m_form.Hide();
}

void TrayProgram::OnShowAtStartup() {
    m_settings.ShowSplash = m_form.Checked(Id(StartWindowControl::ShowAtStartupBox));
    m_settingsManager.SaveSettings();
}

void TrayProgram::OnUnload() {
    if (!m_loaded) return;
    m_loaded = false;
    // Each step of the end is told: a step that waits on another program shows in the output.
    DebugOutput("ending: the hotkeys are given back");
    m_hotkeys.UnregisterHotkeys();
    m_trayIcon.Remove();
    DebugOutput("ending: the tray icon is gone");
}

void TrayProgram::OnTaskbarCreated() {
    if (m_loaded) m_trayIcon.Add(TrayTip());
}

void TrayProgram::OnTrayIcon(int trayMessage) {
    if (m_trayBusy) return;
    // The flag stays set while a dialog opened from here is open, so that further clicks on the
    // icon are ignored until it closes.
    const ScopedFlag busy(m_trayBusy);
    if (trayMessage == kWmLButtonDblClk) {
        if (m_actions.showEditor) m_actions.showEditor();
    } else if (trayMessage == kWmRButtonUp) {
        ShowTrayMenu();
    }
}

void TrayProgram::ShowTrayMenu() {
    if (!m_actions.newPopupMenu) return;
    std::unique_ptr<IPopupMenu> menu = m_actions.newPopupMenu();
    menu->SetOwner(m_actions.menuOwner);
    const LanguageTable& lang = Languages();
    const int language = m_settings.Language;
    menu->SetFont(lang.FontName(language), lang.FontSize(language));
    menu->Clear();
    for (TextId item : kTrayMenuTexts) {
        menu->AddItem(lang.Text(item, language));
    }
    menu->Store("Main");
    const Point cursor = m_actions.cursorPosition ? m_actions.cursorPosition() : Point{};
    switch (menu->ShowPopupAbsolute(cursor.x, cursor.y)) {
        case kTrayOptions:
            if (m_actions.showOptions) m_actions.showOptions();
            break;
        case kTrayAbout:
            if (m_actions.showAbout) m_actions.showAbout();
            break;
        case kTrayExit:
            OnUnload();
            if (m_actions.endProgram) m_actions.endProgram();
            break;
        default:
            break;  // leave, or nothing chosen
    }
}

}  // namespace snapwright
