#include "capture/CaptureEngine.h"

#include <cmath>
#include <limits>

namespace snapwright {

int TwipsToPixels(double twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0) return 0;
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

double PixelsToTwips(int pixels, double twipsPerPixel) {
    return pixels * twipsPerPixel;
}

CaptureEngine::CaptureEngine(const IScreen& screen, IWindowService& windows, IScreenCapture& capture,
                             IClipboard& clipboard, const CaptureSlots& slots)
    : m_screen(screen), m_windows(windows), m_capture(capture), m_clipboard(clipboard), m_slots(slots) {}

PicturePtr CaptureEngine::GrabScreenPicture() {
    // The display's own pixel count: a twips round trip through a rounded twips-per-pixel value
    // loses pixels on scalings such as 175 %, where a pixel is not a whole number of twips.
    const Rect whole{0, 0, m_screen.WidthPixels(), m_screen.HeightPixels()};
    return m_capture.GrabWindowPicture(m_windows.DesktopWindow(), false, whole);
}

PicturePtr CaptureEngine::GrabActiveWindowPicture() {
    const WindowRef window = m_windows.ForegroundWindow();
    const auto edges = m_windows.WindowRectangle(window);
    if (!edges) return nullptr;
    const long long width = edges->right - edges->left;
    const long long height = edges->bottom - edges->top;
    constexpr long long kMax = std::numeric_limits<int>::max();
    if (width <= 0 || height <= 0 || width > kMax || height > kMax) return nullptr;
    return m_capture.GrabWindowPicture(window, false, Rect{0, 0, static_cast<int>(width), static_cast<int>(height)});
}

bool CaptureEngine::CopyShotToClipboard() {
    const PicturePtr shot = m_slots.Current();
    return shot && m_clipboard.PutPicture(shot);
}

}  // namespace snapwright
