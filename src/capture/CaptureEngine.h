#pragma once
#include <functional>

#include "capture/CurrentShot.h"
#include "capture/Desktop.h"
#include "platform/Clipboard.h"
#include "platform/Screen.h"
#include "platform/ScreenCapture.h"
#include "platform/WindowService.h"

namespace snapwright {

// Pixels of a length in twips, to the nearest whole pixel.
int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(int pixels, double twipsPerPixel);

// The grabs of the whole desktop (every monitor) and of the foreground window, and the clipboard copy.
class CaptureEngine {
public:
    CaptureEngine(const IScreen& screen, IWindowService& windows, IScreenCapture& capture, IClipboard& clipboard,
                  const CurrentShot& currentShot);

    PicturePtr GrabScreenPicture();
    PicturePtr GrabActiveWindowPicture();
    PicturePtr GrabWindowPicture(WindowRef window);
    // Offers the current screenshot on the clipboard; false when there is none or the clipboard
    // refused it.
    bool CopyShotToClipboard();

    // A part of the desktop as it was frozen (virtual-screen pixels), or null.
    using FrozenDesktop = std::function<PicturePtr(const Rect& area)>;
    // While the region overlay covers the screen, every grab (a key's, a command's) is cut from the
    // desktop it froze: the desktop under the overlay, never the overlay. An empty one thaws.
    void FreezeScreen(FrozenDesktop frozen) { m_frozen = std::move(frozen); }

private:
    PicturePtr GrabArea(const Rect& area, const std::vector<Monitor>& monitors);

    Desktop m_desktop;
    IWindowService& m_windows;
    IScreenCapture& m_capture;
    IClipboard& m_clipboard;
    const CurrentShot& m_currentShot;
    FrozenDesktop m_frozen;
};

}  // namespace snapwright
