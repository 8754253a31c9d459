#include "ui/win32/WindowSubclasser.h"

#include "ui/win32/SharedWindowProc.h"

namespace snapwright::win32 {

void WindowSubclasser::AttachMessage(IMessageListener* listener, HWND hwnd, UINT message) {
    SharedWindowProc::AttachMessage(listener, hwnd, message);
}

void WindowSubclasser::DetachMessage(IMessageListener* listener, HWND hwnd, UINT message) {
    SharedWindowProc::DetachMessage(listener, hwnd, message);
}

UINT WindowSubclasser::CurrentMessage() const {
    return SharedWindowProc::CurrentMessage();
}

LRESULT WindowSubclasser::CallPreviousWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return SharedWindowProc::CallPreviousWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace snapwright::win32
