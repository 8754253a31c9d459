#pragma once
#include <optional>
#include <vector>

#include "platform/Screen.h"
#include "platform/WindowService.h"

namespace snapwright {

// What the system tells of a window's place.
struct WindowPlace {
    WindowEdges outer;
    std::optional<WindowEdges> composedFrame;
    bool maximised = false;
};
// The frame of a window that the user sees: the composed frame where the system has one that lies
// within the outer rectangle, else the outer rectangle; a maximised window without the border
// that hangs over its monitor's work area. Nothing when it does not fit into whole pixels.
std::optional<Rect> VisibleFrame(const WindowPlace& place, const std::vector<Monitor>& monitors);

// Whether the user sees a top-level window and can point at it: visible, not minimised, not
// click-through and not cloaked.
bool IsShown(const TopLevelWindow& window);

// A top-level window the user sees, and its visible frame.
struct ShownWindow {
    WindowRef window;
    Rect frame;
};

// The one place that answers where things are on the display: the monitors, the virtual screen
// around them, which monitor holds a point, the pointer or a window, and a window's visible frame.
class Desktop {
public:
    Desktop(const IScreen& screen, const IWindowService& windows);

    std::vector<Monitor> Monitors() const { return m_screen.Monitors(); }
    Rect VirtualScreen() const;
    std::optional<Monitor> MonitorAt(Point point) const;
    std::optional<Monitor> PointerMonitor() const;
    std::optional<Monitor> MonitorOfWindow(WindowRef window) const;
    std::optional<Rect> VisibleFrame(WindowRef window) const;
    // The same with the monitors asked for already, for many windows at once.
    std::optional<Rect> VisibleFrame(WindowRef window, const std::vector<Monitor>& monitors) const;
    // The windows the user sees, the top one first.
    std::vector<ShownWindow> ShownWindows(const std::vector<Monitor>& monitors) const;
    // Whether a window the user sees lies over a part of the screen that shows a window: one above
    // it, or, where the window is not among those shown, any.
    bool Covered(WindowRef window, const Rect& part) const;

private:
    const IScreen& m_screen;
    const IWindowService& m_windows;
};

}  // namespace snapwright
