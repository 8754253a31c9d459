#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// A monitor in virtual-screen pixels: the primary monitor's top-left corner is (0, 0), and a
// monitor left of or above it has negative coordinates. The work area leaves out the task bar.
struct Monitor {
    Rect bounds;
    Rect workArea;
    bool primary = false;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The display as the system reports it, in physical pixels: its monitors, the primary first, and
// the mouse pointer on them.
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual std::vector<Monitor> Monitors() const = 0;
    virtual Point PointerPosition() const = 0;
};

}  // namespace snapwright
