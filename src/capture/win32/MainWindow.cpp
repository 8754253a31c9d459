#include "capture/win32/MainWindow.h"

#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

MainWindow::MainWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcedure<&MainWindow::OnMessage>;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");

    m_window = ::CreateWindowExW(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400,
                                 300, nullptr, nullptr, instance, this);
    if (!m_window) throw Win32Error(::GetLastError(), "CreateWindowExW");
    m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
}

MainWindow::~MainWindow() {
    if (m_window && ::IsWindow(m_window)) ::DestroyWindow(m_window);
}

void MainWindow::Unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_onUnload) m_onUnload();
}

LRESULT MainWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        if (m_onTaskbarCreated) m_onTaskbarCreated();
        return 0;
    }
    switch (message) {
        case kTrayCallbackMessage:
            // The shell reports every mouse event on the icon this way, the real message in lParam.
            if (wParam == kTrayIconId && m_onTray) m_onTray(LOWORD(lParam));
            return 0;
        case WM_COPYDATA:
            return m_onCopyData && m_onCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_CLOSE:
            Unload();
            ::DestroyWindow(hwnd);
            return 0;
        case WM_ENDSESSION:
            if (wParam) Unload();
            return 0;
        case WM_DESTROY:
            Unload();
            ::PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            m_window = nullptr;
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace snapwright::win32
