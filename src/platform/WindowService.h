#pragma once
#include <optional>
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// Outer rectangle of a window in screen pixels, as the system reports its edges.
struct WindowEdges {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

// A top-level window as the system lists it, with what tells whether the user sees it.
struct TopLevelWindow {
    WindowRef window = 0;
    bool visible = false;
    bool minimised = false;
    bool clickThrough = false;  // the mouse goes through it to the window beneath
    bool cloaked = false;       // kept out of sight by the system: another virtual desktop, a suspended app
};

class IWindowService {
public:
    virtual ~IWindowService() = default;
    virtual WindowRef ForegroundWindow() const = 0;
    virtual std::optional<WindowEdges> WindowRectangle(WindowRef window) const = 0;
    // The frame as the window manager composes it on the screen, where the system tells it: on
    // Windows 10 and 11 without the invisible resize borders that the outer rectangle includes.
    virtual std::optional<WindowEdges> ComposedFrame(WindowRef window) const = 0;
    virtual bool IsMaximised(WindowRef window) const = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;
    // Every top-level window, the top one first.
    virtual std::vector<TopLevelWindow> TopLevelWindowsTopFirst() const = 0;
};

}  // namespace snapwright
