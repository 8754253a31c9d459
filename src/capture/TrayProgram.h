#pragma once
#include <functional>
#include <memory>
#include <string>

#include "capture/Hotkeys.h"
#include "lang/TextId.h"
#include "platform/Form.h"
#include "platform/PopupMenu.h"
#include "platform/TrayIcon.h"
#include "settings/SettingsManager.h"

namespace snapwright {

// The tip of the tray icon: the full three-part version.
std::string TrayTip();
// The start window's title: product name with major and minor version.
std::string StartTitle();

// Indexes of the tray menu's items, in the order they are added.
enum TrayMenuItem { kTrayOptions = 1, kTrayAbout = 2, kTrayLeave = 3, kTrayExit = 4 };
// The tray menu's texts, item by item in the same order; the menu is one window for its access keys.
inline constexpr TextId kTrayMenuTexts[] = {TextId::OptionsMenuItem, TextId::AboutMenuItem, TextId::CloseMenuItem,
                                            TextId::ExitMenuItem};
inline constexpr int kWmLButtonDblClk = 0x0203;
inline constexpr int kWmRButtonUp = 0x0205;

// The program's start window and tray icon: loads the settings and the hotkeys, shows the start
// window when the user wants it, and answers the tray icon's clicks with the tray menu.
class TrayProgram {
public:
    struct Actions {
        std::function<void()> showOptions;  // modal
        std::function<void()> showAbout;    // modal
        std::function<void()> showEditor;   // not modal
        std::function<void()> endProgram;   // after the unload
        std::function<Point()> cursorPosition;
        std::function<std::unique_ptr<IPopupMenu>()> newPopupMenu;
        WindowRef menuOwner = 0;
    };

    TrayProgram(IForm& form, SettingsManager& settingsManager, Settings& settings, Hotkeys& hotkeys,
            ITrayIcon& trayIcon, Actions actions);

    // False when the program cannot run (the hotkeys are taken); the user has been told.
    bool OnLoad();
    void OnMinimized();
    void OnUnload();
    void OnOk();
    void OnShowAtStartup();
    // The tray icon's notification, with the mouse message it reports.
    void OnTrayIcon(int trayMessage);
    // Explorer was restarted and the taskbar is new: the icon must be added again.
    void OnTaskbarCreated();

    bool TrayBusy() const { return m_trayBusy; }

private:
    void ShowTrayMenu();

    IForm& m_form;
    SettingsManager& m_settingsManager;
    Settings& m_settings;
    Hotkeys& m_hotkeys;
    ITrayIcon& m_trayIcon;
    Actions m_actions;
    bool m_trayBusy = false;
    bool m_loaded = false;
};

}  // namespace snapwright
