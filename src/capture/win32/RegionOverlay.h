#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "capture/RegionCapture.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The borderless topmost window over every monitor on which a region is drawn: the frozen desktop
// dimmed, the window a click takes outlined, the region drawn clear in a frame, either with its
// size beside it, and a magnifier of the pixels under the pointer with its coordinates. It paints from the one picture
// of the desktop it is given and forwards the mouse and the keys to the selection.
class RegionOverlay : public IRegionOverlay {
public:
    static constexpr const wchar_t* kClassName = L"SnapwrightRegionOverlay";

    // `language`: the user's, asked each time a region is drawn; none: English.
    explicit RegionOverlay(HINSTANCE instance, std::function<int()> language = {});

    std::vector<WindowRef> ShownWindowsTopFirst() const override;
    void WaitForRepaint() override;
    void Select(const Picture& desktop, const Rect& area, RegionSelection& selection) override;
    PicturePtr Cut(const Picture& picture, const Rect& part) override;

private:
    // What is drawn over the dimmed desktop, in window pixels (those of the desktop picture).
    struct Marks {
        std::optional<Rect> marked;
        bool drawn = false;  // a region drawn, rather than the window a click takes
        Rect label;
        Rect magnifier;
    };
    struct Session;

    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSessionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnArrow(ArrowKey key);
    void OnPaint(HWND window);
    void Compose(HDC target, const RECT& part);
    void DrawLabel(HDC dc, const Marks& marks);
    void DrawMagnifier(HDC dc, const Marks& marks);
    Marks Arrange() const;
    std::array<Rect, 4> Frame(const Marks& marks) const;
    void Refresh();
    Rect Window(const Rect& desktop) const;
    int Scaled(int pixels) const;

    HINSTANCE m_instance;
    std::function<int()> m_language;
    UniqueHwnd m_window;
    Session* m_session = nullptr;
};

}  // namespace snapwright::win32
