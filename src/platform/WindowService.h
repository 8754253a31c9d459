#pragma once
#include <optional>

#include "platform/Geometry.h"

namespace snapwright {

// Outer rectangle of a window in screen pixels, as the system reports its edges.
struct WindowEdges {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

class IWindowService {
public:
    virtual ~IWindowService() = default;
    virtual WindowRef DesktopWindow() const = 0;
    virtual WindowRef ForegroundWindow() const = 0;
    virtual std::optional<WindowEdges> WindowRectangle(WindowRef window) const = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;
};

}  // namespace snapwright
