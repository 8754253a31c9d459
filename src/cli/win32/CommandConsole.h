#pragma once
#include <windows.h>

#include <string>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// Where a command prints, though the program is a GUI program: the standard handles it was given
// when they lead somewhere (a pipe, a file), otherwise the console of the program that started it.
class CommandConsole {
public:
    // Without `attach` there is nowhere to print (a quiet command).
    explicit CommandConsole(bool attach);
    CommandConsole(const CommandConsole&) = delete;
    CommandConsole& operator=(const CommandConsole&) = delete;

    bool Available() const { return m_output != nullptr; }
    void Print(const std::string& text);
    void PrintError(const std::string& text);

private:
    static void Write(HANDLE handle, const std::string& text);

    UniqueFileHandle m_console;
    HANDLE m_output = nullptr;
    HANDLE m_error = nullptr;
};

}  // namespace snapwright::win32
