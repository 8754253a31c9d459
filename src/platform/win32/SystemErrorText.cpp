#include "platform/win32/SystemErrorText.h"

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

std::string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) ::LocalFree(buffer);
    // The system's texts end in a line break.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    if (text.empty()) return "Windows error " + std::to_string(code) + ".";
    return ToUtf8(text);
}

}  // namespace snapwright::win32

namespace snapwright::win32 {

// The codes by which the system says that a path leads nowhere, or that it refuses its length or
// its name: the program tells these in its own words, which name what is wrong with the path.
FileOutcome FileErrorOutcome(DWORD code) {
    FileFailure failure = FileFailure::Other;
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_NOT_READY:
            failure = FileFailure::NotFound;
            break;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW:
            failure = FileFailure::NameTooLong;
            break;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            failure = FileFailure::BadName;
            break;
        default:
            break;
    }
    return FileOutcome::Failure(SystemErrorText(code), failure);
}

}  // namespace snapwright::win32
