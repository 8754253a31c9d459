#include "cli/win32/CommandConsole.h"

#include "platform/win32/WideText.h"

namespace snapwright::win32 {

namespace {

bool LeadsSomewhere(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Windows' own line ends, whatever the texts were written with.
std::string WithWindowsLineEnds(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') lines += '\r';
        lines += c;
    }
    return lines;
}

}  // namespace

// A GUI program is given standard handles only when its starter redirected them; a console that
// started it is attached to, and its screen buffer opened, as the handles it passed are not.
CommandConsole::CommandConsole(bool attach) {
    if (!attach) return;
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    if (!LeadsSomewhere(output) && !LeadsSomewhere(error) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        m_console.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
        output = error = m_console.get();
    }
    if (LeadsSomewhere(output) || LeadsSomewhere(error)) {
        m_output = LeadsSomewhere(output) ? output : error;
        m_error = LeadsSomewhere(error) ? error : output;
    }
}

void CommandConsole::Print(const std::string& text) {
    Write(m_output, text);
}

void CommandConsole::PrintError(const std::string& text) {
    Write(m_error, text);
}

// A console takes the text as UTF-16 in any code page; a pipe or a file gets UTF-8.
void CommandConsole::Write(HANDLE handle, const std::string& text) {
    if (!handle) return;
    std::string lines = WithWindowsLineEnds(text);
    if (lines.empty() || lines.back() != '\n') lines += "\r\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::wstring wide = ToWide(lines);
        ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        ::WriteFile(handle, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    }
}

}  // namespace snapwright::win32
