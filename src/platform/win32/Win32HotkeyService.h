#pragma once
#include <windows.h>

#include <functional>

#include "platform/HotkeyService.h"

namespace snapwright::win32 {

// Hotkeys on one window, whose message procedure is replaced by HotkeyWindowProc while they are
// registered. WM_HOTKEY, the retry timer's WM_TIMER and WM_SETTINGCHANGE reach the handler; every
// message then goes on to the previous procedure.
class Win32HotkeyService : public IHotkeyService {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam)>;

    Win32HotkeyService(HWND window, Handler handler);
    ~Win32HotkeyService() override;

    std::uint16_t AddAtom(const std::string& name) override;
    void DeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
    void UnregisterHotKey(int id) override;
    bool InstallHook() override;
    void RemoveHook() override;
    bool PrintScreenOpensSystemCapture() const override;
    bool SwitchOffSystemCapture() override;
    void StartRetryTimer(unsigned milliseconds) override;
    void StopRetryTimer() override;

private:
    static LRESULT CALLBACK HotkeyWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

    HWND m_window;
    Handler m_handler;
    WNDPROC m_previousWindowProc = nullptr;
};

}  // namespace snapwright::win32
