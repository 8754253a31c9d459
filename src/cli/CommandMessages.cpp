#include "cli/CommandMessages.h"

#include <utility>

namespace snapwright {

void CommandMessages::ShowError(const std::string& text) {
    if (m_inCommand) m_errors.push_back(text);
    if (!m_inCommand || m_showErrors) m_shown.ShowError(text);
}

void CommandMessages::BeginCommand(bool showErrors) {
    m_inCommand = true;
    m_showErrors = showErrors;
    m_errors.clear();
}

std::vector<std::string> CommandMessages::EndCommand() {
    m_inCommand = false;
    return std::exchange(m_errors, {});
}

}  // namespace snapwright
