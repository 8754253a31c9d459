#pragma once
#include <windows.h>

#include <string>

#include "capture/ScrollPorts.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The note beside a window that is being scrolled: a small topmost window that never takes the
// keyboard or the mouse, in the colours of a tooltip, with a heading and a count of pixels.
class ScrollNoteWindow : public IScrollNote {
public:
    static constexpr const wchar_t* kClassName = L"SnapwrightScrollNote";

    explicit ScrollNoteWindow(HINSTANCE instance);

    Size Measure(const std::string& heading, const std::string& count) override;
    void Show(const Rect& place, const std::string& heading, const std::string& count) override;
    void Hide() override;

private:
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint(HWND window);
    void MakeFont(int dpi);
    int Scaled(int pixels) const;

    HINSTANCE m_instance;
    UniqueHwnd m_window;
    UniqueHfont m_font;
    int m_dpi = 0;
    std::wstring m_heading;
    std::wstring m_count;
};

}  // namespace snapwright::win32
