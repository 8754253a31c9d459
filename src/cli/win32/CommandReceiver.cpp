#include "cli/win32/CommandReceiver.h"

#include "platform/Diagnostics.h"

namespace snapwright::win32 {

namespace {
constexpr UINT kRunQueuedMessage = WM_APP + 1;
constexpr UINT kAnswerMilliseconds = 5000;
}  // namespace

CommandReceiver::CommandReceiver(HWND programWindow, CommandRunner& runner, const Settings& settings)
    : m_programWindow(programWindow),
      m_runner(runner),
      m_settings(settings),
      m_window([this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
          if (message != kRunQueuedMessage) return std::nullopt;
          RunNext();
          return 0;
      }) {}

// The sender waits only until the command is queued: carried out here, inside a message that
// another program sent, the command could not call the office programs.
bool CommandReceiver::Receive(const COPYDATASTRUCT& data) {
    if (data.dwData != kCommandPacketId || !data.lpData) return false;
    std::optional<HandedCommand> command =
        UnpackCommand({static_cast<const char*>(data.lpData), static_cast<std::size_t>(data.cbData)});
    if (!command) return false;
    m_queue.push_back(std::move(*command));
    ::PostMessageW(m_window.Handle(), kRunQueuedMessage, 0, 0);
    return true;
}

// Each command runs as its message comes, in the order they came. A command whose dialog or
// question is open runs a message loop, in which the next one runs and answers at once: no command
// waits for another's dialog.
void CommandReceiver::RunNext() {
    if (m_queue.empty()) return;
    HandedCommand command = std::move(m_queue.front());
    m_queue.pop_front();
    const ParsedCommandLine parsed = ParseCommandLine(command.arguments);
    if (parsed.request != Request::Capture) {
        Answer(command, AnswerWithoutCapture(parsed, m_settings.Language));
        return;
    }
    DebugOutput("Carrying out a command handed on from another start.");
    m_runner.Run(parsed.command, command.showErrors,
                 [this, command = std::move(command)](const CommandOutcome& outcome) { Answer(command, outcome); });
}

void CommandReceiver::Answer(const HandedCommand& command, const CommandOutcome& outcome) {
    const HWND answerWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(command.answerWindow));
    if (!::IsWindow(answerWindow)) return;
    const std::string packet = PackOutcome(outcome);
    COPYDATASTRUCT data{kOutcomePacketId, static_cast<DWORD>(packet.size()), const_cast<char*>(packet.data())};
    DWORD_PTR taken = FALSE;
    ::SendMessageTimeoutW(answerWindow, WM_COPYDATA, reinterpret_cast<WPARAM>(m_programWindow),
                          reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnswerMilliseconds, &taken);
}

}  // namespace snapwright::win32
