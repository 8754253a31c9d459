#include <gtest/gtest.h>
#include <windows.h>

#include "editor/win32/EditorWindow.h"
#include "platform/win32/Dpi.h"

// Wine gives every monitor the same scale: the message that Windows sends when a window moves onto
// a monitor of another scale is sent here by hand, for twice the window's scale.
namespace snapwright::win32 {
namespace {

TEST(DpiChange, TheEditorTakesTheSuggestedSizeAndLaysOutItsToolbarAtTheNewScale) {
    EditorWindow editor(::GetModuleHandleW(nullptr), nullptr);
    editor.Form().Show();
    ::MoveWindow(editor.Window(), 10, 10, 450, 300, FALSE);  // twice as large, it still fits the screen
    const Rect button = editor.ControlBounds(Id(EditorControl::HelpButton));
    const int bar = editor.ScrollBarThickness();
    RECT suggested{10, 10, 910, 610};
    const int dpi = 2 * WindowDpi(editor.Window());
    ::SendMessageW(editor.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    EXPECT_TRUE(::GetWindowRect(editor.Window(), &now) && ::EqualRect(&now, &suggested));
    const Rect doubled = editor.ControlBounds(Id(EditorControl::HelpButton));
    EXPECT_NEAR(doubled.left, 2 * button.left, 1);
    EXPECT_NEAR(doubled.width, 2 * button.width, 1);
    EXPECT_NEAR(editor.ScrollBarThickness(), 2 * bar, 1);
    editor.Form().Unload();
}

}  // namespace
}  // namespace snapwright::win32
