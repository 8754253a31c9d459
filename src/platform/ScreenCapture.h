#pragma once
#include "platform/Geometry.h"
#include "platform/Picture.h"

namespace snapwright {

// Copies pixels of a window into a new picture.
class IScreenCapture {
public:
    virtual ~IScreenCapture() = default;
    // The rectangle (pixels) relative to the window's client area (clientArea) or to its outer
    // frame; null when the system made no picture.
    virtual PicturePtr GrabWindowPicture(WindowRef window, bool clientArea, const Rect& source) = 0;
};

}  // namespace snapwright
