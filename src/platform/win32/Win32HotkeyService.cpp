#include "platform/win32/Win32HotkeyService.h"

#include <exception>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

// The service behind the hooked window; one main window, so one hook.
Win32HotkeyService* g_hooked = nullptr;

// Windows' own setting "Use the Print screen key to open screen capture", per user.
constexpr const wchar_t* kKeyboardKey = L"Control Panel\\Keyboard";
constexpr const wchar_t* kSystemCaptureValue = L"PrintScreenKeyForSnippingEnabled";

bool ForHotkeys(UINT message, WPARAM wParam) {
    return message == WM_HOTKEY || message == WM_SETTINGCHANGE || (message == WM_TIMER && wParam == kRetryTimerId);
}

}  // namespace

Win32HotkeyService::Win32HotkeyService(HWND window, Handler handler) : m_window(window), m_handler(std::move(handler)) {}

Win32HotkeyService::~Win32HotkeyService() {
    RemoveHook();
}

std::uint16_t Win32HotkeyService::AddAtom(const std::string& name) {
    return ::GlobalAddAtomW(ToWide(name).c_str());
}

void Win32HotkeyService::DeleteAtom(std::uint16_t atom) {
    ::GlobalDeleteAtom(atom);
}

bool Win32HotkeyService::RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    return ::RegisterHotKey(m_window, id, modifiers, virtualKey) != FALSE;
}

void Win32HotkeyService::UnregisterHotKey(int id) {
    ::UnregisterHotKey(m_window, id);
}

bool Win32HotkeyService::InstallHook() {
    if (m_previousWindowProc) return true;
    g_hooked = this;
    m_previousWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
    if (!m_previousWindowProc) g_hooked = nullptr;
    return m_previousWindowProc != nullptr;
}

void Win32HotkeyService::RemoveHook() {
    if (!m_previousWindowProc) return;
    if (::IsWindow(m_window)) {
        ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousWindowProc));
    }
    m_previousWindowProc = nullptr;
    g_hooked = nullptr;
}

bool Win32HotkeyService::PrintScreenOpensSystemCapture() const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    return ::RegGetValueW(HKEY_CURRENT_USER, kKeyboardKey, kSystemCaptureValue, RRF_RT_REG_DWORD, nullptr, &value,
                          &size) == ERROR_SUCCESS &&
           value == 1;
}

// Only the value is written; Windows reads it and lets go of the key in its own time.
bool Win32HotkeyService::SwitchOffSystemCapture() {
    const DWORD off = 0;
    const LSTATUS status =
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKeyboardKey, kSystemCaptureValue, REG_DWORD, &off, sizeof(off));
    if (status != ERROR_SUCCESS) DebugOutput("Windows' screen capture setting could not be written: " + std::to_string(status));
    return status == ERROR_SUCCESS;
}

void Win32HotkeyService::StartRetryTimer(unsigned milliseconds) {
    ::SetTimer(m_window, kRetryTimerId, milliseconds, nullptr);
}

void Win32HotkeyService::StopRetryTimer() {
    if (::IsWindow(m_window)) ::KillTimer(m_window, kRetryTimerId);
}

LRESULT CALLBACK Win32HotkeyService::HotkeyWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    Win32HotkeyService* self = g_hooked;
    if (!self) return ::DefWindowProcW(hwnd, iMsg, wParam, lParam);
    const WNDPROC previous = self->m_previousWindowProc;
    if (ForHotkeys(iMsg, wParam)) {
        // An exception must never cross into the system.
        try {
            self->m_handler(iMsg, wParam);
        } catch (const std::exception& error) {
            DebugOutput(std::string("The hotkey could not be handled: ") + error.what());
        } catch (...) {
            DebugOutput("The hotkey could not be handled.");
        }
    }
    return ::CallWindowProcW(previous, hwnd, iMsg, wParam, lParam);
}

}  // namespace snapwright::win32
