#pragma once
#include <vector>

#include "platform/Geometry.h"
#include "platform/Picture.h"

namespace snapwright {

// Copies pixels of the screen into a new picture.
class IScreenCapture {
public:
    virtual ~IScreenCapture() = default;
    // An area of the virtual screen as a picture of its size: the parts of it that monitors show
    // (virtual-screen pixels, within the area) as they are, black everywhere else. Null when the
    // system made no picture.
    virtual PicturePtr GrabScreenArea(const Rect& area, const std::vector<Rect>& shownParts) = 0;
};

}  // namespace snapwright
