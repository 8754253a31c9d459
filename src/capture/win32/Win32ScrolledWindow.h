#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "capture/ScrollPorts.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A top-level window of any program, scrolled for a capture: the wheel goes to the part that scrolls
// with the pointer placed over it, scroll bar messages to the window whose vertical scroll bar it
// is, the page keys to the window in front. Escape is taken as a hotkey while the capture lasts, so
// that it stops the capture wherever the pointer is and never reaches the window. The pointer goes
// back where the user had it when the capture ends.
class Win32ScrolledWindow : public IScrolledWindow {
public:
    // Null when the window shows nothing that could be taken.
    static std::unique_ptr<Win32ScrolledWindow> Open(HWND window);

    ~Win32ScrolledWindow() override;
    Win32ScrolledWindow(const Win32ScrolledWindow&) = delete;
    Win32ScrolledWindow& operator=(const Win32ScrolledWindow&) = delete;

    Rect Area() const override { return m_area; }
    int ViewHeight() const override;
    PixelRows Grab() override;
    std::optional<ScrollBarState> ScrollBar() const override;
    bool Scroll(ScrollMethod method, int amount) override;
    bool ScrollToTop(ScrollMethod method) override;
    bool ScrollBarTo(int position) override;
    bool ComeToFront() override;
    bool StillThere() const override;
    bool StopAsked() override;
    void Wait(int milliseconds) override;
    std::int64_t Milliseconds() const override;

private:
    Win32ScrolledWindow(HWND window, const Rect& area, std::vector<Rect> shownParts);

    bool Wheel(int notches);
    bool Keys(int pages);
    bool SendScrollBar(WORD request, int position = 0) const;
    bool InFront() const;
    bool Covered() const;
    bool Answered(bool sent) const;

    HWND m_window;
    UniqueKernelHandle m_process;  // the window's, while it is another program's
    HWND m_target = nullptr;  // the window whose scroll bar scrolls the content, or the one under the middle
    bool m_targetHasScrollBar = false;
    Rect m_area;
    RECT m_windowRect{};
    std::vector<Rect> m_shownParts;
    UniqueMemoryDc m_memory;
    UniqueHbitmap m_bitmap;
    std::optional<ScopedSelectObject> m_selected;
    std::uint8_t* m_bits = nullptr;
    POINT m_userPointer{};
    POINT m_wheelPoint{};
    bool m_escapeHotkey = false;
    bool m_stopAsked = false;
};

// The scrolling capture's way to a window: Win32ScrolledWindow::Open of the window behind a reference.
std::unique_ptr<IScrolledWindow> OpenScrolledWindow(WindowRef window);

}  // namespace snapwright::win32
