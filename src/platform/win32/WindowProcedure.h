#pragma once
#include <windows.h>

#include <exception>
#include <string>

#include "platform/Diagnostics.h"

namespace snapwright::win32 {

// The one bridge from the system's window procedures to the objects of the program: a window of
// one of our classes is made with its object as the creation parameter, a dialog with it as the
// init parameter; from then on each message goes to a member function of that object. An
// exception must never cross into the system: it ends here, told to the debugger.
template <typename Member>
struct MemberOf;
template <typename Owner, typename Result, typename... Arguments>
struct MemberOf<Result (Owner::*)(Arguments...)> {
    using Object = Owner;
};

template <typename Result, typename Call>
Result CallGuarded(Call call, Result failed) {
    try {
        return call();
    } catch (const std::exception& error) {
        DebugOutput(std::string("A window could not handle a message: ") + error.what());
    } catch (...) {
        DebugOutput("A window could not handle a message.");
    }
    return failed;
}

// For RegisterClassExW: Handler is LRESULT Object::(HWND, UINT, WPARAM, LPARAM).
template <auto Handler>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Object = typename MemberOf<decltype(Handler)>::Object;
    if (message == WM_NCCREATE) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* object = reinterpret_cast<Object*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!object) return ::DefWindowProcW(window, message, wParam, lParam);
    return CallGuarded<LRESULT>([&] { return (object->*Handler)(window, message, wParam, lParam); }, 0);
}

// For CreateDialogParamW: Handler is INT_PTR Object::(HWND, UINT, WPARAM, LPARAM); FALSE leaves a
// message to the dialog manager.
template <auto Handler>
INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Object = typename MemberOf<decltype(Handler)>::Object;
    if (message == WM_INITDIALOG) ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* object = reinterpret_cast<Object*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!object) return FALSE;
    return CallGuarded<INT_PTR>([&] { return (object->*Handler)(window, message, wParam, lParam); }, FALSE);
}

}  // namespace snapwright::win32
