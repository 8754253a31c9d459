#include "platform/win32/Win32UserMessages.h"

#include <windows.h>

#include "platform/Diagnostics.h"
#include "platform/win32/WideText.h"

namespace snapwright::win32 {

void Win32UserMessages::ShowError(const std::string& text) {
    ::MessageBoxW(nullptr, ToWide(text).c_str(), L"Snapwright", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void RouteDiagnosticsToDebugger() {
    // The diagnostics are plain English; the ANSI call is the one that Wine also forwards to its
    // debug channel, where the end-to-end tests read it.
    SetDebugOutputSink([](const std::string& text) { ::OutputDebugStringA(("Snapwright: " + text + "\n").c_str()); });
}

}  // namespace snapwright::win32
