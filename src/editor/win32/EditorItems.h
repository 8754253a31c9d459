#pragma once
#include <windows.h>

#include "platform/Form.h"

namespace snapwright::win32 {

// The editor's controls are items of its window under these ids: clear of IDOK and IDCANCEL,
// which the dialog manager sends for Enter and Escape.
constexpr int kFirstEditorItem = 1000;

constexpr int EditorItemOf(ControlId control) {
    return kFirstEditorItem + control;
}

inline HWND EditorItem(HWND window, ControlId control) {
    return window ? ::GetDlgItem(window, EditorItemOf(control)) : nullptr;
}

}  // namespace snapwright::win32
