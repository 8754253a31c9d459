#include "platform/win32/SharedWindowProc.h"

#include <exception>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/SubclassBook.h"
#include "platform/win32/ErrorSource.h"
#include "platform/win32/Win32SubclassWindows.h"

namespace snapwright::win32::SharedWindowProc {

namespace {

WindowRef Ref(HWND hwnd) {
    return reinterpret_cast<WindowRef>(hwnd);
}

SubclassBook& Book() {
    static Win32SubclassWindows windows;
    static SubclassBook book(windows, reinterpret_cast<std::intptr_t>(&WindowProc), ProgramErrorSource());
    return book;
}

}  // namespace

void AttachMessage(IMessageListener* listener, HWND hwnd, UINT message) {
    Book().AttachMessage(listener, Ref(hwnd), message);
}

void DetachMessage(IMessageListener* listener, HWND hwnd, UINT message) {
    Book().DetachMessage(listener, Ref(hwnd), message);
}

UINT CurrentMessage() {
    return Book().CurrentMessage();
}

LRESULT CallPreviousWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Book().CallPreviousWindowProc(Ref(hwnd), message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // An exception must never cross into the system.
    try {
        return Book().Dispatch(Ref(hwnd), message, wParam, lParam);
    } catch (const std::exception& error) {
        DebugOutput("A listener could not handle message " + std::to_string(message) + ": " + error.what());
    } catch (...) {
        DebugOutput("A listener could not handle message " + std::to_string(message) + ".");
    }
    return 0;
}

}  // namespace snapwright::win32::SharedWindowProc
