#pragma once
#include <string>
#include <vector>

#include "platform/UserMessages.h"

namespace snapwright {

// The program's messages to the user, which a command takes over while it runs: its errors become
// the command's answer, printed where the command was given, and are shown as well only when the
// command has nowhere to print them. Questions are always asked. A command given while another
// one waits for its dialog runs inside that dialog's message loop and ends first: each command has
// its own errors, the innermost running one those told meanwhile.
class CommandMessages : public IUserMessages {
public:
    explicit CommandMessages(IUserMessages& shown) : m_shown(shown) {}

    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override { return m_shown.AskYesNo(text); }

    void BeginCommand(bool showErrors);
    // Whether the innermost running command has told an error.
    bool AnyErrors() const { return !m_commands.empty() && !m_commands.back().errors.empty(); }
    // The errors told since the innermost running command began; it has ended.
    std::vector<std::string> EndCommand();

private:
    struct Running {
        bool showErrors;
        std::vector<std::string> errors;
    };

    IUserMessages& m_shown;
    std::vector<Running> m_commands;  // the innermost last
};

}  // namespace snapwright
