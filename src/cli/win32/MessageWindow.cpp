#include "cli/win32/MessageWindow.h"

#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

namespace {
constexpr const wchar_t* kClassName = L"SnapwrightMessageWindow";
}  // namespace

MessageWindow::MessageWindow(Handler handler) : m_handler(std::move(handler)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcedure<&MessageWindow::OnMessage>;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Win32Error(::GetLastError(), "RegisterClassExW");
    }
    m_window.reset(::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleW(nullptr), this));
    if (!m_window) throw Win32Error(::GetLastError(), "CreateWindowExW");
}

LRESULT MessageWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_handler) {
        if (const std::optional<LRESULT> result = m_handler(message, wParam, lParam)) return *result;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace snapwright::win32
