#pragma once
#include <string>
#include <vector>

#include "platform/UserMessages.h"

namespace snapwright {

// The program's messages to the user, which a command takes over while it runs: its errors become
// the command's answer, printed where the command was given, and are shown as well only when the
// command has nowhere to print them. Questions are always asked.
class CommandMessages : public IUserMessages {
public:
    explicit CommandMessages(IUserMessages& shown) : m_shown(shown) {}

    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override { return m_shown.AskYesNo(text); }

    void BeginCommand(bool showErrors);
    bool AnyErrors() const { return !m_errors.empty(); }
    // The errors told since the command began; messages show as usual again.
    std::vector<std::string> EndCommand();

private:
    IUserMessages& m_shown;
    bool m_inCommand = false;
    bool m_showErrors = true;
    std::vector<std::string> m_errors;
};

}  // namespace snapwright
