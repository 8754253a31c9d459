#pragma once
#include <windows.h>

#include <string>

#include "platform/FileSystem.h"

namespace snapwright::win32 {

// The system's own words for an error code, in the user's language ("Access is denied.").
std::string SystemErrorText(DWORD code);

// A failed file operation of this error code: its kind, and the system's words.
FileOutcome FileErrorOutcome(DWORD code);

}  // namespace snapwright::win32
