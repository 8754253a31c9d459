#pragma once
#include <string>

namespace snapwright::win32 {

// The one place where UTF-8 text of the core meets UTF-16 text of the system.
std::wstring ToWide(const std::string& utf8);
std::string ToUtf8(const std::wstring& wide);

}  // namespace snapwright::win32
