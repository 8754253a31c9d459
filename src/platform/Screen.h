#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// The display as the system reports it, in physical pixels: its monitors, the primary first, and
// the mouse pointer on them.
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual std::vector<Monitor> Monitors() const = 0;
    virtual Point PointerPosition() const = 0;
};

}  // namespace snapwright
