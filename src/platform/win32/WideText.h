#pragma once
#include <windows.h>

#include <string>

namespace snapwright::win32 {

// The one place where UTF-8 text of the core meets UTF-16 text of the system.
std::wstring ToWide(const std::string& utf8);
std::string ToUtf8(const std::wstring& wide);

// A window's text (a caption, a control's text), read with room for exactly the length the window
// gives: a text that grows meanwhile is cut, one that shrinks is not padded.
std::string WindowText(HWND window);

}  // namespace snapwright::win32
