#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "capture/RegionCapture.h"
#include "capture/RegionOverlayLayout.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The borderless topmost window over every monitor on which a region is drawn: the frozen desktop
// dimmed, the window a click takes outlined, the region drawn clear in a frame, either with its
// size beside it, and a magnifier of the pixels under the pointer with its coordinates. It paints
// from the one picture of the desktop it is given, where RegionOverlayLayout places the marks, and
// forwards the mouse and the keys to the selection (S: the window outlined, to be scrolled whole).
class RegionOverlay : public IRegionOverlay {
public:
    static constexpr const wchar_t* kClassName = L"SnapwrightRegionOverlay";

    // `language`: the user's, asked each time a region is drawn; none: English.
    explicit RegionOverlay(HINSTANCE instance, std::function<int()> language = {});

    void WaitForRepaint() override;
    void Select(const Picture& desktop, const Rect& area, RegionSelection& selection) override;
    PicturePtr Cut(const Picture& picture, const Rect& part) override;

private:
    struct Session;

    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSessionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnArrow(ArrowKey key);
    void OnPaint(HWND window);
    void Compose(HDC target, const RECT& part);
    void DrawLabel(HDC dc, const OverlayMarks& marks);
    void DrawMagnifier(HDC dc, const OverlayMarks& marks);
    OverlayMarks Arrange() const;
    void Refresh();

    HINSTANCE m_instance;
    std::function<int()> m_language;
    UniqueHwnd m_window;
    Session* m_session = nullptr;
};

}  // namespace snapwright::win32
