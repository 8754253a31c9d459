#pragma once
#include <windows.h>

#include "platform/Screen.h"
#include "platform/WindowService.h"

namespace snapwright::win32 {

class Win32Screen : public IScreen {
public:
    std::vector<Monitor> Monitors() const override;
    Point PointerPosition() const override;
};

class Win32WindowService : public IWindowService {
public:
    WindowRef ForegroundWindow() const override;
    std::optional<WindowEdges> WindowRectangle(WindowRef window) const override;
    std::optional<WindowEdges> ComposedFrame(WindowRef window) const override;
    bool IsMaximised(WindowRef window) const override;
    void SetForegroundWindow(WindowRef window) override;
    std::vector<TopLevelWindow> TopLevelWindowsTopFirst() const override;
};

// What the system tells of a top-level window.
TopLevelWindow TopLevelWindowOf(HWND window);
// The work area of the monitor under the mouse pointer.
Rect PointerWorkArea();
// Moves a top-level window into the middle of the work area of the monitor under the mouse
// pointer, whole on that monitor.
void CentreOnPointerMonitor(HWND window);

}  // namespace snapwright::win32
