#pragma once
// A plain top-level window of the test process whose own procedure records what reaches it.
#include <windows.h>

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

    // Every message the window's own procedure saw, in order.
    std::vector<UINT> received;

private:
    static LRESULT CALLBACK OriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) {
            self->received.push_back(message);
            if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

}  // namespace snapwright::testing
