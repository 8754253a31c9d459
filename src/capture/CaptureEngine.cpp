#include "capture/CaptureEngine.h"

#include <cmath>

namespace snapwright {

int TwipsToPixels(double twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0) return 0;
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

double PixelsToTwips(int pixels, double twipsPerPixel) {
    return pixels * twipsPerPixel;
}

CaptureEngine::CaptureEngine(const IScreen& screen, IWindowService& windows, IScreenCapture& capture,
                             IClipboard& clipboard, const CurrentShot& currentShot)
    : m_desktop(screen, windows),
      m_windows(windows),
      m_capture(capture),
      m_clipboard(clipboard),
      m_currentShot(currentShot) {}

// Every monitor at its place in the virtual screen, as Windows' own Print Screen takes them; on one
// monitor that is the primary screen from its origin, as always.
PicturePtr CaptureEngine::GrabScreenPicture() {
    const std::vector<Monitor> monitors = m_desktop.Monitors();
    return GrabArea(BoundingRectangle(monitors), monitors);
}

// The window by the frame the user sees, wherever it lies; what lies beyond every monitor is black.
PicturePtr CaptureEngine::GrabActiveWindowPicture() {
    return GrabWindowPicture(m_windows.ForegroundWindow());
}

PicturePtr CaptureEngine::GrabWindowPicture(WindowRef window) {
    const std::optional<Rect> frame = m_desktop.VisibleFrame(window);
    return frame ? GrabArea(*frame, m_desktop.Monitors()) : nullptr;
}

PicturePtr CaptureEngine::GrabArea(const Rect& area, const std::vector<Monitor>& monitors) {
    const std::vector<Rect> parts = ShownParts(area, monitors);
    if (parts.empty()) return nullptr;
    if (m_frozen) return m_frozen(area);
    return m_capture.GrabScreenArea(area, parts);
}

bool CaptureEngine::CopyShotToClipboard() {
    const PicturePtr shot = m_currentShot.Get();
    return shot && m_clipboard.OfferPicture(shot);
}

}  // namespace snapwright
