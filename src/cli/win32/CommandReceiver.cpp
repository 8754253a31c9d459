#include "cli/win32/CommandReceiver.h"

#include "platform/Diagnostics.h"
#include "platform/ScopedFlag.h"

namespace snapwright::win32 {

namespace {
constexpr UINT kRunQueuedMessage = WM_APP + 1;
constexpr UINT kAnswerMilliseconds = 5000;
}  // namespace

CommandReceiver::CommandReceiver(HWND programWindow, CommandRunner& runner)
    : m_programWindow(programWindow),
      m_runner(runner),
      m_window([this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
          if (message != kRunQueuedMessage) return std::nullopt;
          RunQueued();
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

// A command whose dialog is open runs a message loop, in which the next one arrives: it is left
// in the queue for the loop below.
void CommandReceiver::RunQueued() {
    if (m_running) return;
    const ScopedFlag running(m_running);
    while (!m_queue.empty()) {
        const HandedCommand command = std::move(m_queue.front());
        m_queue.pop_front();
        const ParsedCommandLine parsed = ParseCommandLine(command.arguments);
        if (parsed.request != Request::Capture) {
            Answer(command, {kExitBadArguments, parsed.error});
            continue;
        }
        DebugOutput("Carrying out a command handed on from another start.");
        Answer(command, m_runner.Run(parsed.command, command.showErrors));
    }
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
