#pragma once
#include <windows.h>

#include <functional>

#include "platform/HotkeyService.h"
#include "platform/MessageListener.h"

namespace snapwright::win32 {

// Hotkeys on one window, which listens through the subclassing service (SharedWindowProc) while
// they are registered: WM_HOTKEY, the retry timer's WM_TIMER and WM_SETTINGCHANGE reach the
// handler, then go on to the window's own procedure.
class Win32HotkeyService : public IHotkeyService, private IMessageListener {
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
    SubclassResponse Response() const override { return SubclassResponse::CallPreviousAfter; }
    void Response(SubclassResponse) override {}
    std::intptr_t WindowProc(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

    HWND m_window;
    Handler m_handler;
    bool m_hooked = false;
};

}  // namespace snapwright::win32
