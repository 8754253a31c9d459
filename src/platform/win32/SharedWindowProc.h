#pragma once
#include <windows.h>

#include "platform/MessageListener.h"

namespace snapwright::win32::SharedWindowProc {

// Any number of listeners per message of a window of this process; the bookkeeping lives in
// the window's properties. Failures raise ObjectError.
void AttachMessage(IMessageListener* listener, HWND hwnd, UINT message);
void DetachMessage(IMessageListener* listener, HWND hwnd, UINT message);
// The message being dispatched, for a listener's Response and WindowProc.
UINT CurrentMessage();
LRESULT CallPreviousWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The window procedure of every subclassed window.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace snapwright::win32::SharedWindowProc
