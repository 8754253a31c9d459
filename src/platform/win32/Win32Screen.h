#pragma once
#include "platform/Screen.h"
#include "platform/WindowService.h"

namespace snapwright::win32 {

class Win32Screen : public IScreen {
public:
    int WidthPixels() const override;
    int HeightPixels() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
};

class Win32WindowService : public IWindowService {
public:
    WindowRef DesktopWindow() const override;
    WindowRef ForegroundWindow() const override;
    std::optional<WindowEdges> WindowRectangle(WindowRef window) const override;
    void SetForegroundWindow(WindowRef window) override;
};

}  // namespace snapwright::win32
