#include "platform/win32/Win32SystemNames.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {
// Room for the longest user name (256 characters) and its NUL; computer names are shorter.
constexpr DWORD kNameBuffer = 257;
}  // namespace

std::string Win32SystemNames::UserName() const {
    wchar_t buffer[kNameBuffer] = {};
    DWORD length = kNameBuffer;
    if (!::GetUserNameW(buffer, &length)) return {};
    return ToUtf8(buffer);
}

std::string Win32SystemNames::ComputerName() const {
    wchar_t buffer[kNameBuffer] = {};
    DWORD length = kNameBuffer;
    if (!::GetComputerNameW(buffer, &length)) return {};
    return ToUtf8(buffer);
}

}  // namespace snapwright::win32
