#pragma once
#include "platform/Shell.h"

namespace snapwright::win32 {

// ShellExecuteW with the "open" verb, no owner window, no parameters and no working folder.
class Win32Shell : public IShell {
public:
    void Open(const std::string& target, ShowAs show) override;
};

}  // namespace snapwright::win32
