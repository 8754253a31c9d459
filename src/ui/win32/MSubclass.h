#pragma once
#include <windows.h>

#include "ui/ISubclass.h"

namespace snapwright::win32::MSubclass {

// Any number of listeners per message of a window of this process; the bookkeeping lives in
// the window's properties. Failures raise ObjectError.
void AttachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg);
void DetachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg);
// The message being dispatched, for a listener's MsgResponse and WindowProc.
UINT CurrentMessage();
LRESULT CallOldWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
// The window procedure of every subclassed window.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

}  // namespace snapwright::win32::MSubclass
