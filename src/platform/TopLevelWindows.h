#pragma once
#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace snapwright {

inline constexpr std::uint32_t kStyleVisible = 0x10000000;        // WS_VISIBLE
inline constexpr std::uint32_t kStyleBorder = 0x00800000;         // WS_BORDER
inline constexpr std::uint32_t kExStyleAppWindow = 0x00040000;    // WS_EX_APPWINDOW

// The top-level windows of the desktop, as other programs' windows are found and as a window of
// this program gets its taskbar button.
class ITopLevelWindows {
public:
    virtual ~ITopLevelWindows() = default;
    // The z-order walk: the first window at the level of `window`, then each next one (0 at the end).
    virtual WindowRef FirstAtLevel(WindowRef window) const = 0;
    virtual WindowRef Next(WindowRef window) const = 0;
    virtual std::uint32_t Style(WindowRef window) const = 0;
    // The window's caption text, read as long as the window says it is.
    virtual std::string Caption(WindowRef window) const = 0;
    virtual std::uint32_t ExtendedStyle(WindowRef window) const = 0;
    virtual void SetExtendedStyle(WindowRef window, std::uint32_t style) = 0;
    virtual void SetShown(WindowRef window, bool shown) = 0;
    // Stops (and resumes) drawing on the whole desktop, so that a window can change unseen.
    virtual void LockDesktopUpdates(bool locked) = 0;
};

}  // namespace snapwright
