#include "capture/win32/ScrollNoteWindow.h"

#include <algorithm>

#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowProcedure.h"

namespace snapwright::win32 {

namespace {

// At 96 dots per inch.
constexpr int kPadding = 6;
constexpr int kLineGap = 2;

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

ScrollNoteWindow::ScrollNoteWindow(HINSTANCE instance) : m_instance(instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (::GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = &WindowProcedure<&ScrollNoteWindow::OnMessage>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_INFOBK);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass)) throw Win32Error(::GetLastError(), "RegisterClassExW");
}

void ScrollNoteWindow::MakeFont(int dpi) {
    if (m_font && dpi == m_dpi) return;
    m_dpi = dpi;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfStatusFont;
    face.lfHeight = -::MulDiv(9, dpi, 72);
    m_font.reset(::CreateFontIndirectW(&face));
}

int ScrollNoteWindow::Scaled(int pixels) const {
    return ::MulDiv(pixels, m_dpi, 96);
}

Size ScrollNoteWindow::Measure(const std::string& heading, const std::string& count) {
    MakeFont(WindowDpi(m_window.get()));
    const WindowDc screen(nullptr, false);
    const ScopedSelectObject font(screen.get(), m_font.get());
    const SIZE first = TextSize(screen.get(), ToWide(heading));
    const SIZE second = TextSize(screen.get(), ToWide(count));
    return {static_cast<int>(std::max(first.cx, second.cx)) + 2 * Scaled(kPadding) + 2,
            static_cast<int>(first.cy + second.cy) + 2 * Scaled(kPadding) + Scaled(kLineGap) + 2};
}

// Shown without being activated, so that the keys go on reaching the window that is scrolled, and
// painted at once: the loop that scrolls handles messages only while it waits.
void ScrollNoteWindow::Show(const Rect& place, const std::string& heading, const std::string& count) {
    m_heading = ToWide(heading);
    m_count = ToWide(count);
    if (!m_window) {
        HWND window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName,
                                        L"Snapwright scrolling", WS_POPUP | WS_BORDER, place.left, place.top,
                                        place.width, place.height, nullptr, nullptr, m_instance, this);
        if (!window) throw Win32Error(::GetLastError(), "CreateWindowExW");
        m_window.reset(window);
    }
    ::SetWindowPos(m_window.get(), HWND_TOPMOST, place.left, place.top, place.width, place.height,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(m_window.get(), nullptr, TRUE);
    ::UpdateWindow(m_window.get());
}

void ScrollNoteWindow::Hide() {
    if (m_window) ::ShowWindow(m_window.get(), SW_HIDE);
}

LRESULT ScrollNoteWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: OnPaint(window); return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_NCHITTEST: return HTTRANSPARENT;
        default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void ScrollNoteWindow::OnPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    MakeFont(WindowDpi(window));
    const ScopedSelectObject font(dc, m_font.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    const int padding = Scaled(kPadding);
    ::TextOutW(dc, padding, padding, m_heading.c_str(), static_cast<int>(m_heading.size()));
    const SIZE first = TextSize(dc, m_heading);
    ::TextOutW(dc, padding, padding + first.cy + Scaled(kLineGap), m_count.c_str(), static_cast<int>(m_count.size()));
    ::EndPaint(window, &paint);
}

}  // namespace snapwright::win32
