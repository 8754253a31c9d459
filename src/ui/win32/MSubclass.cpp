#include "ui/win32/MSubclass.h"

#include <exception>
#include <string>

#include "platform/Diagnostics.h"
#include "ui/SubclassBook.h"
#include "ui/win32/ErrorSource.h"
#include "ui/win32/Win32SubclassWindows.h"

namespace snapwright::win32::MSubclass {

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

void AttachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg) {
    Book().AttachMessage(iwp, Ref(hwnd), iMsg);
}

void DetachMessage(ISubclass* iwp, HWND hwnd, UINT iMsg) {
    Book().DetachMessage(iwp, Ref(hwnd), iMsg);
}

UINT CurrentMessage() {
    return Book().CurrentMessage();
}

LRESULT CallOldWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    return Book().CallOldWindowProc(Ref(hwnd), iMsg, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    // An exception must never cross into the system.
    try {
        return Book().Dispatch(Ref(hwnd), iMsg, wParam, lParam);
    } catch (const std::exception& error) {
        DebugOutput("A listener could not handle message " + std::to_string(iMsg) + ": " + error.what());
    } catch (...) {
        DebugOutput("A listener could not handle message " + std::to_string(iMsg) + ".");
    }
    return 0;
}

}  // namespace snapwright::win32::MSubclass
