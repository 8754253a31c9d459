#include "platform/win32/Win32UserMessages.h"

#include <windows.h>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

void Win32UserMessages::ShowError(const std::string& text) {
    ::MessageBoxW(nullptr, ToWide(text).c_str(), L"Snapwright", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

// The question belongs to the window that asks it (a modal dialog is the thread's active window),
// so that the user answers it before going on there.
bool Win32UserMessages::AskYesNo(const std::string& text) {
    return ::MessageBoxW(::GetActiveWindow(), ToWide(text).c_str(), L"Snapwright",
                         MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_SETFOREGROUND) == IDYES;
}

void RouteDiagnosticsToDebugger() {
    // The diagnostics are plain English; the ANSI call is the one that Wine also forwards to its
    // debug channel, where the end-to-end tests read it.
    SetDebugOutputSink([](const std::string& text) { ::OutputDebugStringA(("Snapwright: " + text + "\n").c_str()); });
}

}  // namespace snapwright::win32
