#include "platform/win32/Win32InformationBox.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

void Win32InformationBox::Show(const std::string& title, const std::string& text) {
    ::MessageBoxW(::GetActiveWindow(), ToWide(text).c_str(), ToWide(title).c_str(), MB_OK);
}

}  // namespace snapwright::win32
