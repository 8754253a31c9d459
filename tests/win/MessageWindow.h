#pragma once
// A plain top-level window of the test process whose own procedure records what reaches it,
// and a message pump that waits for a condition.
#include <windows.h>

#include <functional>
#include <vector>

namespace snapwright::testing {

class MessageWindow {
public:
    MessageWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &MessageWindow::OriginalProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SnapwrightMessageWindow";
        ::RegisterClassW(&windowClass);  // fails harmlessly when already registered
        m_window = ::CreateWindowExW(0, L"SnapwrightMessageWindow", L"messages", WS_POPUP, 0, 0, 50, 50, nullptr,
                                     nullptr, windowClass.hInstance, this);
    }
    ~MessageWindow() {
        if (::IsWindow(m_window)) ::DestroyWindow(m_window);
    }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND get() const { return m_window; }
    static WNDPROC Original() { return &MessageWindow::OriginalProc; }

    // Every message the window's own procedure saw, in order.
    std::vector<UINT> received;
    // Called for every message the own procedure sees, before it answers.
    std::function<void(HWND, UINT, WPARAM, LPARAM)> onMessage;
    // The own procedure's answer to messages from WM_USER on.
    LRESULT userResult = 0;

private:
    static LRESULT CALLBACK OriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) {
            self->received.push_back(message);
            if (self->onMessage) self->onMessage(hwnd, message, wParam, lParam);
            if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (message >= WM_USER) return self->userResult;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

// Dispatches messages until `done` holds or `milliseconds` have passed; true when it held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
    const ULONGLONG until = ::GetTickCount64() + milliseconds;
    while (!done()) {
        if (::GetTickCount64() > until) return false;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

}  // namespace snapwright::testing
