#include "capture/TrayProgram.h"

#include "Version.h"
#include "capture/StartWindowControls.h"
#include "lang/ApplyLanguage.h"
#include "lang/LanguageTable.h"
#include "platform/Diagnostics.h"
#include "platform/ScopedFlag.h"

namespace snapwright {

namespace {

// The key that does what a menu line does: it grabs the same and opens the editor on it. The
// region key always does; a send key does when the send destination is the editor.
std::optional<KeyCombination> KeyDoingTheSame(GrabKind grab, const Hotkeys& hotkeys, const Settings& settings) {
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        const HotkeyRow& key = kHotkeyTable[row];
        const bool toEditor =
            key.grab == GrabKind::Region || (key.destination == Destination::Send && settings.SendTo == SendTarget::Editor);
        if (key.grab == grab && toEditor) {
            if (const auto working = hotkeys.WorkingKey(row)) return working;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string TrayTip() {
    return std::string(kProductName) + "\u2122 V" + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

std::string StartTitle() {
    return std::string(kProductName) + " " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

// The captures that need no key come first; the program's own entries keep their order below them.
std::span<const TrayProgram::MenuEntry> TrayProgram::Menu() {
    static const MenuEntry kMenu[] = {
        {TextId::ScreenMenuItem, &TrayProgram::CaptureScreen, GrabKind::WholeScreen},
        {TextId::WindowMenuItem, &TrayProgram::CaptureWindowInFront, GrabKind::ActiveWindow},
        {TextId::RegionMenuItem, &TrayProgram::CaptureRegion, GrabKind::Region},
        {TextId::ScrollingWindowMenuItem, &TrayProgram::CaptureScrollingWindow, std::nullopt},
        {TextId::EditorMenuItem, &TrayProgram::OpenEditor, std::nullopt},
        {std::nullopt, nullptr, std::nullopt},
        {TextId::OptionsMenuItem, &TrayProgram::ShowOptions, std::nullopt},
        {TextId::AboutMenuItem, &TrayProgram::ShowAbout, std::nullopt},
        {TextId::CloseMenuItem, &TrayProgram::LeaveMenu, std::nullopt},
        {TextId::ExitMenuItem, &TrayProgram::Exit, std::nullopt},
    };
    return kMenu;
}

TrayProgram::TrayProgram(IForm& form, SettingsManager& settingsManager, Settings& settings, Hotkeys& hotkeys,
                 ITrayIcon& trayIcon, Actions actions)
    : m_form(form),
      m_settingsManager(settingsManager),
      m_settings(settings),
      m_hotkeys(hotkeys),
      m_trayIcon(trayIcon),
      m_actions(std::move(actions)) {}

// The start window speaks the stored language, which is known once the settings are loaded.
bool TrayProgram::OnLoad() {
    m_form.SetText(Id(StartWindowControl::TitleLabel), StartTitle());
    m_settingsManager.LoadSettings();
    const int language = m_settings.Language;
    const TextValue optionsItem{"item", Languages().Text(TextId::OptionsMenuItem, language)};
    ApplyLanguage(m_form, language, kStartWindowTexts, std::nullopt, {&optionsItem, 1});
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
    m_hotkeys.TellTakenKeys();
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
        OpenEditor();
    } else if (trayMessage == kWmRButtonUp) {
        m_windowInFront = m_actions.windowInFront ? m_actions.windowInFront() : 0;
        ShowTrayMenu();
    }
}

std::string TrayProgram::MenuCaption(const MenuEntry& entry) const {
    if (!entry.text) return "-";
    std::string caption = Languages().Text(*entry.text, m_settings.Language);
    if (entry.grab) {
        if (const auto key = KeyDoingTheSame(*entry.grab, m_hotkeys, m_settings)) caption += "\t" + ShownKeyText(*key, m_settings.Language);
    }
    return caption;
}

// A key that came free is taken before the menu shows the keys.
void TrayProgram::ShowTrayMenu() {
    if (!m_actions.newPopupMenu) return;
    m_hotkeys.RetryMissingKeys();
    std::unique_ptr<IPopupMenu> menu = m_actions.newPopupMenu();
    menu->SetOwner(m_actions.menuOwner);
    const LanguageTable& lang = Languages();
    const int language = m_settings.Language;
    menu->SetFont(lang.FontName(language), lang.FontSize(language));
    menu->Clear();
    for (const MenuEntry& entry : Menu()) menu->AddItem(MenuCaption(entry));
    menu->Store("Main");
    const Point cursor = m_actions.cursorPosition ? m_actions.cursorPosition() : Point{};
    const int chosen = menu->ShowPopupAbsolute(cursor.x, cursor.y);
    const std::span<const MenuEntry> entries = Menu();
    if (chosen < 1 || chosen > static_cast<int>(entries.size())) return;  // nothing chosen
    const MenuEntry& entry = entries[static_cast<std::size_t>(chosen - 1)];
    if (entry.choose) (this->*entry.choose)();
}

void TrayProgram::CaptureScreen() {
    if (m_actions.waitForRepaint) m_actions.waitForRepaint();
    if (PicturePtr shot = m_hotkeys.TakeShot(GrabKind::WholeScreen); shot && m_actions.openInEditor) {
        m_actions.openInEditor(std::move(shot));
    }
}

void TrayProgram::CaptureWindowInFront() {
    if (m_actions.waitForRepaint) m_actions.waitForRepaint();
    const std::optional<WindowRef> window = m_windowInFront ? std::optional(m_windowInFront) : std::nullopt;
    if (PicturePtr shot = m_hotkeys.TakeShot(GrabKind::ActiveWindow, window); shot && m_actions.openInEditor) {
        m_actions.openInEditor(std::move(shot));
    }
}

void TrayProgram::CaptureRegion() {
    if (m_actions.takeRegion) m_actions.takeRegion();
}

// The window that was in front before the menu took the foreground, scrolled from its top to its end
// and opened in the editor; where the capture ended early, the user is told why.
void TrayProgram::CaptureScrollingWindow() {
    if (!m_actions.scrollWindow) return;
    if (m_actions.waitForRepaint) m_actions.waitForRepaint();
    const ScrollOutcome outcome = m_actions.scrollWindow(m_windowInFront);
    if (!outcome.picture) return;
    if (m_actions.openInEditor) m_actions.openInEditor(outcome.picture);
    if (!outcome.note.empty() && m_actions.inform) m_actions.inform(outcome.note);
}

void TrayProgram::OpenEditor() {
    if (m_actions.showEditor) m_actions.showEditor();
}

void TrayProgram::ShowOptions() {
    if (m_actions.showOptions) m_actions.showOptions();
}

void TrayProgram::ShowAbout() {
    if (m_actions.showAbout) m_actions.showAbout();
}

// Ending the program ends the editor too: it asks about unsaved edits as closing it does.
void TrayProgram::Exit() {
    if (m_actions.mayEnd && !m_actions.mayEnd()) return;
    OnUnload();
    if (m_actions.endProgram) m_actions.endProgram();
}

}  // namespace snapwright
