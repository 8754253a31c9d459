#pragma once
#include <windows.h>

#include "ui/ISubclass.h"

namespace snapwright::win32 {

// The subclassing service as an object: every call goes to MSubclass.
class GSubclass {
public:
    void AttachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg);
    void DetachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg);
    UINT CurrentMessage() const;
    LRESULT CallOldWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
};

}  // namespace snapwright::win32
