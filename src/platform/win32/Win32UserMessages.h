#pragma once
#include "platform/UserMessages.h"

namespace snapwright::win32 {

class Win32UserMessages : public IUserMessages {
public:
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
};

// Sends internal diagnostics to the debugger output.
void RouteDiagnosticsToDebugger();

}  // namespace snapwright::win32
