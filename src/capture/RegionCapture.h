#pragma once
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/Desktop.h"
#include "capture/RegionSelection.h"
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

// A region of the screen: the desktop is grabbed at once, frozen, and the region the user draws on
// it is cut out of that one grab.
class RegionCapture {
public:
    RegionCapture(const IScreen& screen, const IWindowService& windows, CaptureEngine& engine, CurrentShot& currentShot,
                  IUserMessages& messages, IRegionOverlay& overlay);

    // The region becomes the current screenshot and goes onto the clipboard. Null, and nothing
    // changed, when the user cancelled, when a region is being drawn already or when the screen
    // could not be read (the user has been told). `afterHiding`: a window of this program has
    // just been hidden, and what it covered is to be painted first.
    PicturePtr Take(bool afterHiding = false);

private:
    const IScreen& m_screen;
    Desktop m_desktop;
    CaptureEngine& m_engine;
    CurrentShot& m_currentShot;
    IUserMessages& m_messages;
    IRegionOverlay& m_overlay;
    bool m_busy = false;
};

}  // namespace snapwright
