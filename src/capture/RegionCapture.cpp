#include "capture/RegionCapture.h"

#include "platform/Diagnostics.h"
#include "platform/ScopedFlag.h"

namespace snapwright {

namespace {
constexpr const char* kUnreadable = "Snapwright could not take the screenshot: the screen could not be read.";
}  // namespace

RegionCapture::RegionCapture(const IScreen& screen, IWindowService& windows, CaptureEngine& engine,
                             CurrentShot& currentShot, IUserMessages& messages, IRegionOverlay& overlay)
    : m_screen(screen),
      m_windows(windows),
      m_desktop(screen, windows),
      m_engine(engine),
      m_currentShot(currentShot),
      m_messages(messages),
      m_overlay(overlay) {}

// The grab comes first, so that the menus and tooltips that were open at the key press are in it.
// The desktop picture is the one copy of the screen: it goes when the overlay has closed.
PicturePtr RegionCapture::Take(bool afterHiding) {
    RegionRequest request;
    request.afterHiding = afterHiding;
    return Take(request);
}

PicturePtr RegionCapture::Take(RegionRequest& request) {
    if (m_busy) return nullptr;
    const ScopedFlag busy(m_busy);

    if (request.afterHiding) m_overlay.WaitForRepaint();
    const std::vector<Monitor> monitors = m_desktop.Monitors();
    const Rect area = BoundingRectangle(monitors);
    PicturePtr desktop = m_engine.GrabScreenPicture();
    if (!desktop || desktop->Width() != area.width || desktop->Height() != area.height) {
        m_messages.ShowError(kUnreadable);
        return nullptr;
    }
    const std::vector<ShownWindow> shown = m_desktop.ShownWindows(monitors);
    std::vector<Rect> frames;
    for (const ShownWindow& window : shown) frames.push_back(window.frame);
    RegionSelection selection(monitors, std::move(frames), m_screen.PointerPosition());
    {
        // What is grabbed while the overlay is up comes from the frozen desktop.
        struct Thaw {
            CaptureEngine& engine;
            ~Thaw() { engine.FreezeScreen(nullptr); }
        } thaw{m_engine};
        m_engine.FreezeScreen([this, &desktop, area](const Rect& part) {
            return m_overlay.Cut(*desktop, {part.left - area.left, part.top - area.top, part.width, part.height});
        });
        m_overlay.Select(*desktop, area, selection);
    }
    if (selection.CurrentStep() != RegionSelection::Step::Taken) return nullptr;
    if (const std::optional<std::size_t> window = selection.TakenWindow();
        window && m_scrollWindow && (selection.ScrollAsked() || request.clickScrolls)) {
        desktop.reset();
        return Scroll(shown[*window].window, request);
    }

    const Rect region = *selection.Marked();
    PicturePtr shot = m_overlay.Cut(*desktop, {region.left - area.left, region.top - area.top, region.width,
                                               region.height});
    desktop.reset();
    if (!shot) {
        m_messages.ShowError(kUnreadable);
        return nullptr;
    }
    m_currentShot.Set(shot);
    if (!m_engine.CopyShotToClipboard()) DebugOutput("The screenshot could not be put on the clipboard.");
    return shot;
}

// The overlay has gone; the window comes in front, where the page keys reach it and nothing covers
// what is grabbed, and paints what the overlay and the windows in front of it covered before its
// first frame is taken. The scrolling capture makes its picture current and puts it on the clipboard.
PicturePtr RegionCapture::Scroll(WindowRef window, RegionRequest& request) {
    m_windows.SetForegroundWindow(window);
    m_overlay.WaitForRepaint();
    ScrollOutcome outcome = m_scrollWindow(window);
    request.note = std::move(outcome.note);
    return std::move(outcome.picture);
}

}  // namespace snapwright
