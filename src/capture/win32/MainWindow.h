#pragma once
#include <windows.h>

#include <functional>

namespace snapwright::win32 {

// frmMain: the program's hidden main window. It owns the hotkeys (their messages arrive here),
// and closing it ends the program.
class MainWindow {
public:
    static constexpr const wchar_t* kClassName = L"SnapwrightMainWindow";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Runs before the window goes away (hotkeys unregistered, procedure restored).
    void SetUnloadHandler(std::function<void()> handler) { m_onUnload = std::move(handler); }
    // The message loop; returns the program's exit code when the window has been closed.
    int RunMessageLoop();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unload();

    HWND m_window = nullptr;
    std::function<void()> m_onUnload;
    bool m_unloaded = false;
};

}  // namespace snapwright::win32
