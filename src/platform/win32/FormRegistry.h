#pragma once
#include <windows.h>

#include <functional>

namespace snapwright::win32 {

// The program's forms whose windows exist, found by their windows, so that every message loop
// offers a form's messages to the form first (its presenter's keys) and then to the dialog
// manager (Tab, Escape, Enter).
class FormRegistry {
public:
    // True when the form used the message.
    using MessageFilter = std::function<bool(const MSG&)>;

    static void Add(HWND window, MessageFilter filter);
    static void Remove(HWND window);
    // True when the message was used for a form and must not be dispatched.
    static bool PreTranslateMessage(MSG& message);
};

}  // namespace snapwright::win32
