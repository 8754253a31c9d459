#pragma once
#include <windows.h>

namespace snapwright::win32 {

// Whether a top-level window shows on the desktop where the user can point at it: visible, not
// minimised, not cloaked (an app of another virtual desktop, a suspended one), not click-through.
bool IsShownOnDesktop(HWND window);

// The window the user works in when the tray icon is clicked: the foreground window, unless it is
// the taskbar or the notification area (a click on the tray icon makes them the foreground window);
// then the top window that shows below them. Null when none shows.
HWND WindowUserWorksIn();

}  // namespace snapwright::win32
