#pragma once
#include <windows.h>

#include "ui/MessageListener.h"

namespace snapwright::win32 {

// The subclassing service as an object: every call goes to SharedWindowProc.
class WindowSubclasser {
public:
    void AttachMessage(IMessageListener* listener, HWND hwnd, UINT message);
    void DetachMessage(IMessageListener* listener, HWND hwnd, UINT message);
    UINT CurrentMessage() const;
    LRESULT CallPreviousWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace snapwright::win32
