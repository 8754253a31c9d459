#include "platform/win32/Win32HotkeyService.h"

#include <exception>

#include "platform/Diagnostics.h"
#include "platform/ObjectError.h"
#include "platform/win32/SharedWindowProc.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

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
    if (m_hooked) return true;
    try {
        SharedWindowProc::AttachMessage(this, m_window, WM_HOTKEY);
    } catch (const ObjectError& error) {
        DebugOutput(std::string("The hotkeys cannot reach the main window: ") + error.what());
        return false;
    }
    m_hooked = true;
    return true;
}

void Win32HotkeyService::RemoveHook() {
    if (!m_hooked) return;
    SharedWindowProc::DetachMessage(this, m_window, WM_HOTKEY);
    m_hooked = false;
}

bool Win32HotkeyService::PrintScreenOpensSystemCapture() const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    return ::RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Keyboard", L"PrintScreenKeyForSnippingEnabled",
                          RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS &&
           value == 1;
}

// An exception must never cross into the system; the message goes on to the window all the same.
std::intptr_t Win32HotkeyService::WindowProc(WindowRef, std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
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
