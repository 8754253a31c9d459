#pragma once
#include <windows.h>

#include <string>

namespace snapwright::win32 {

// The system's own words for an error code, in the user's language ("Access is denied.").
std::string SystemErrorText(DWORD code);

}  // namespace snapwright::win32
