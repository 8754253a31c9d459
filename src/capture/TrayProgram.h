#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "capture/Hotkeys.h"
#include "capture/ScrollCapture.h"
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
        std::function<void(PicturePtr)> openInEditor;  // not modal
        std::function<void()> takeRegion;   // draws a region and opens the editor on it
        // Takes the window whole by scrolling it, as the current screenshot and on the clipboard.
        std::function<ScrollOutcome(WindowRef)> scrollWindow;
        // Tells the user what a capture he asked for has to say (a message box with OK).
        std::function<void(const std::string&)> inform;
        std::function<void()> endProgram;   // after the unload
        // Asks about the editor's unsaved edits before the program ends: false when the user
        // keeps them (Cancel), and the program runs on.
        std::function<bool()> mayEnd;
        std::function<Point()> cursorPosition;
        // The window the user works in, read when the tray icon is clicked, before the menu takes
        // the foreground.
        std::function<WindowRef()> windowInFront;
        // The menu has closed: the windows it covered paint themselves before a capture.
        std::function<void()> waitForRepaint;
        std::function<std::unique_ptr<IPopupMenu>()> newPopupMenu;
        WindowRef menuOwner = 0;
    };

    TrayProgram(IForm& form, SettingsManager& settingsManager, Settings& settings, Hotkeys& hotkeys,
            ITrayIcon& trayIcon, Actions actions);

    // False when the program cannot run; the user has been told. Keys that other programs hold are
    // told once the tray icon is there: the program runs without them.
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

    // A line of the tray menu: its text (none for a separator line), what choosing it does, and
    // the capture it makes, whose key is shown beside it when a key does the same.
    struct MenuEntry {
        std::optional<TextId> text;
        void (TrayProgram::*choose)();
        std::optional<GrabKind> grab;
    };
    static std::span<const MenuEntry> Menu();
    // The caption of a line as the menu shows it, with its key after a tab.
    std::string MenuCaption(const MenuEntry& entry) const;

private:
    void ShowTrayMenu();
    void CaptureScreen();
    void CaptureWindowInFront();
    void CaptureRegion();
    void CaptureScrollingWindow();
    void OpenEditor();
    void ShowOptions();
    void ShowAbout();
    void LeaveMenu() {}
    void Exit();

    IForm& m_form;
    SettingsManager& m_settingsManager;
    Settings& m_settings;
    Hotkeys& m_hotkeys;
    ITrayIcon& m_trayIcon;
    Actions m_actions;
    WindowRef m_windowInFront = 0;
    bool m_trayBusy = false;
    bool m_loaded = false;
};

}  // namespace snapwright
