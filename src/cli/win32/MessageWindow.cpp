#include "cli/win32/MessageWindow.h"

#include "platform/Diagnostics.h"
#include "platform/win32/Win32Error.h"

namespace snapwright::win32 {

namespace {
constexpr const wchar_t* kClassName = L"SnapwrightMessageWindow";
}  // namespace

MessageWindow::MessageWindow(Handler handler) : m_handler(std::move(handler)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MessageWindow::WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Win32Error(::GetLastError(), "RegisterClassExW");
    }
    m_window.reset(::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleW(nullptr), this));
    if (!m_window) throw Win32Error(::GetLastError(), "CreateWindowExW");
}

LRESULT CALLBACK MessageWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    try {
        if (self && self->m_handler) {
            if (const std::optional<LRESULT> result = self->m_handler(message, wParam, lParam)) return *result;
        }
    } catch (...) {
        DebugOutput("A message window could not handle a message.");
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace snapwright::win32
