#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

namespace snapwright::win32 {

// A failed system call where the program must react.
class Win32Error : public std::runtime_error {
public:
    Win32Error(DWORD code, const char* call)
        : std::runtime_error(std::string(call) + " failed with error " + std::to_string(code)), m_code(code) {}
    DWORD code() const { return m_code; }

private:
    DWORD m_code;
};

}  // namespace snapwright::win32
