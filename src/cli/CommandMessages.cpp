#include "cli/CommandMessages.h"

#include <utility>

namespace snapwright {

void CommandMessages::ShowError(const std::string& text) {
    if (m_commands.empty() || m_commands.back().showErrors) m_shown.ShowError(text);
    if (!m_commands.empty()) m_commands.back().errors.push_back(text);
}

void CommandMessages::BeginCommand(bool showErrors) {
    m_commands.push_back({showErrors, {}});
}

std::vector<std::string> CommandMessages::EndCommand() {
    if (m_commands.empty()) return {};
    std::vector<std::string> errors = std::move(m_commands.back().errors);
    m_commands.pop_back();
    return errors;
}

}  // namespace snapwright
