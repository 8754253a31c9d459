#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A message-only window whose messages go to a handler: never shown, found by no search, reached
// only through its handle, which a command and the running program give each other.
class MessageWindow {
public:
    // A result for the messages it handles; nothing leaves a message to the default procedure.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit MessageWindow(Handler handler);
    HWND Handle() const { return m_window.get(); }

private:
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Handler m_handler;
    UniqueHwnd m_window;
};

}  // namespace snapwright::win32
