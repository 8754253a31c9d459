#include "platform/win32/Win32HotkeyService.h"

#include <exception>
#include <iterator>

#include "platform/Diagnostics.h"
#include "platform/ObjectError.h"
#include "platform/win32/SharedWindowProc.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

// Windows' own setting "Use the Print screen key to open screen capture", per user.
constexpr const wchar_t* kKeyboardKey = L"Control Panel\\Keyboard";
constexpr const wchar_t* kSystemCaptureValue = L"PrintScreenKeyForSnippingEnabled";

constexpr UINT kListenedMessages[] = {WM_HOTKEY, WM_SETTINGCHANGE, WM_TIMER};

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

// All of the messages or none: a failed attachment takes back the ones before it.
bool Win32HotkeyService::InstallHook() {
    if (m_hooked) return true;
    std::size_t attached = 0;
    try {
        for (; attached < std::size(kListenedMessages); ++attached) {
            SharedWindowProc::AttachMessage(this, m_window, kListenedMessages[attached]);
        }
    } catch (const ObjectError& error) {
        DebugOutput(std::string("The hotkeys cannot reach the main window: ") + error.what());
        while (attached > 0) SharedWindowProc::DetachMessage(this, m_window, kListenedMessages[--attached]);
        return false;
    }
    m_hooked = true;
    return true;
}

void Win32HotkeyService::RemoveHook() {
    if (!m_hooked) return;
    for (UINT message : kListenedMessages) SharedWindowProc::DetachMessage(this, m_window, message);
    m_hooked = false;
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

// An exception must never cross into the system; the message goes on to the window all the same.
std::intptr_t Win32HotkeyService::WindowProc(WindowRef, std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
    if (!ForHotkeys(message, wParam)) return 0;
    try {
        m_handler(message, wParam);
    } catch (const std::exception& error) {
        DebugOutput(std::string("The hotkey could not be handled: ") + error.what());
    } catch (...) {
        DebugOutput("The hotkey could not be handled.");
    }
    return 0;
}

}  // namespace snapwright::win32
