#pragma once
#include "platform/TopLevelWindows.h"

namespace snapwright::win32 {

class Win32TopLevelWindows : public ITopLevelWindows {
public:
    WindowRef FirstAtLevel(WindowRef window) const override;
    WindowRef Next(WindowRef window) const override;
    std::uint32_t Style(WindowRef window) const override;
    std::string Caption(WindowRef window) const override;
    std::uint32_t ExtendedStyle(WindowRef window) const override;
    void SetExtendedStyle(WindowRef window, std::uint32_t style) override;
    void SetShown(WindowRef window, bool shown) override;
    void LockDesktopUpdates(bool locked) override;
};

}  // namespace snapwright::win32
