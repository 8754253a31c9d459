#pragma once
#include <functional>
#include <string>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/Desktop.h"
#include "capture/RegionSelection.h"
#include "capture/ScrollCapture.h"
#include "platform/Picture.h"
#include "platform/UserMessages.h"

namespace snapwright {

// The window on which a region is drawn, as the region capture sees it.
class IRegionOverlay {
public:
    virtual ~IRegionOverlay() = default;
    // Gives the windows that a window of this program has just uncovered the time to paint.
    virtual void WaitForRepaint() = 0;
    // Shows the frozen desktop (the picture of `area`) dimmed over every monitor and hands the
    // user's input to the selection until it has finished.
    virtual void Select(const Picture& desktop, const Rect& area, RegionSelection& selection) = 0;
    // A part of a picture as a picture of its own; null when the system made none.
    virtual PicturePtr Cut(const Picture& picture, const Rect& part) = 0;
};

// How a region is taken, and what the capture had to tell.
struct RegionRequest {
    bool afterHiding = false;   // a window of this program has just been hidden, and what it covered
                                // is to be painted first
    bool clickScrolls = false;  // a window taken by a click or Enter is scrolled whole, as by S
    std::string note;           // out: where the scrolling capture of a window ended early, in words
};

// A region of the screen: the desktop is grabbed at once, frozen, and the region the user draws on
// it is cut out of that one grab. A window taken with S (or, where asked, by a click) is scrolled
// from its top to its end instead, once the overlay has gone, and stitched into one picture.
class RegionCapture {
public:
    RegionCapture(const IScreen& screen, IWindowService& windows, CaptureEngine& engine, CurrentShot& currentShot,
                  IUserMessages& messages, IRegionOverlay& overlay);

    // The scrolling capture of a window; without one, S does what Enter does.
    void SetScrollCapture(std::function<ScrollOutcome(WindowRef)> scrollWindow) {
        m_scrollWindow = std::move(scrollWindow);
    }

    // The region becomes the current screenshot and goes onto the clipboard. Null, and nothing
    // changed, when the user cancelled, when a region is being drawn already or when the screen
    // could not be read (the user has been told).
    PicturePtr Take(bool afterHiding = false);
    // True while a region is being drawn.
    bool Drawing() const { return m_busy; }
    PicturePtr Take(RegionRequest& request);

private:
    PicturePtr Scroll(WindowRef window, RegionRequest& request);

    const IScreen& m_screen;
    IWindowService& m_windows;
    Desktop m_desktop;
    CaptureEngine& m_engine;
    CurrentShot& m_currentShot;
    IUserMessages& m_messages;
    IRegionOverlay& m_overlay;
    std::function<ScrollOutcome(WindowRef)> m_scrollWindow;
    bool m_busy = false;
};

}  // namespace snapwright
