#pragma once
#include <windows.h>

#include <functional>

namespace snapwright::win32 {

// The program's hidden main window. It owns the hotkeys (their messages arrive here),
// and closing it ends the program.
class MainWindow {
public:
    static constexpr const wchar_t* kClassName = L"SnapwrightMainWindow";
    static constexpr const wchar_t* kCaption = L"Snapwright";
    static constexpr UINT kTrayCallbackMessage = 0x0205;
    static constexpr WPARAM kTrayIconId = 2;

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Runs before the window goes away (hotkeys unregistered, procedure restored).
    void SetUnloadHandler(std::function<void()> handler) { m_onUnload = std::move(handler); }
    // The tray icon's notifications, with the mouse message they report.
    void SetTrayHandler(std::function<void(int mouseMessage)> handler) { m_onTray = std::move(handler); }
    // Explorer restarted: the taskbar is new and knows no icons.
    void SetTaskbarCreatedHandler(std::function<void()> handler) { m_onTaskbarCreated = std::move(handler); }
    // WM_COPYDATA from another program: true when the data was taken.
    void SetCopyDataHandler(std::function<bool(const COPYDATASTRUCT&)> handler) { m_onCopyData = std::move(handler); }

private:
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unload();

    HWND m_window = nullptr;
    std::function<void()> m_onUnload;
    std::function<void(int)> m_onTray;
    std::function<void()> m_onTaskbarCreated;
    std::function<bool(const COPYDATASTRUCT&)> m_onCopyData;
    UINT m_taskbarCreated = 0;
    bool m_unloaded = false;
};

}  // namespace snapwright::win32
