#pragma once
#include <windows.h>

#include <functional>

#include "platform/KeyPress.h"

namespace snapwright::win32 {

// The program's forms whose windows exist, found by their windows, so that every message loop
// gives a form's keys to its presenter and then to the dialog manager (Tab, Escape, Enter).
class FormRegistry {
public:
    // True when the key was used.
    using KeyHandler = std::function<bool(const KeyPress&)>;

    static void Add(HWND window, KeyHandler onKey);
    static void Remove(HWND window);
    // True when the message was used for a form and must not be dispatched.
    static bool PreTranslateMessage(MSG& message);
};

}  // namespace snapwright::win32
