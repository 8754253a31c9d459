#include "cli/win32/CommandLineStart.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "cli/win32/CommandHandOff.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/WideText.h"
#include "settings/SettingsManager.h"

namespace snapwright::win32 {

namespace {

// The running program has another current folder than the caller.
std::string FullPath(const std::string& path) {
    const std::wstring relative = ToWide(path);
    const DWORD length = ::GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD written = ::GetFullPathNameW(relative.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return path;
    full.resize(written);
    return ToUtf8(full);
}

// The language the user chose, for the messages of a command that ends before the program loads
// its settings.
int StoredLanguage() {
    RegistrySettingsStore store;
    Settings settings;
    SettingsManager(store, settings).LoadSettings();
    return settings.Language;
}

struct LocalFreeDeleter {
    void operator()(LPWSTR* memory) const { ::LocalFree(memory); }
};

}  // namespace

std::vector<std::string> ProgramArguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::string> utf8;
    for (int i = 1; arguments && i < count; ++i) utf8.push_back(ToUtf8(arguments.get()[i]));
    return utf8;
}

CommandLineStart::CommandLineStart(const std::vector<std::string>& arguments)
    : m_parsed(ParseCommandLine(arguments)), m_console(!m_parsed.command.quiet), m_language(StoredLanguage()) {
    if (!m_parsed.command.file.empty()) m_parsed.command.file = FullPath(m_parsed.command.file);
}

std::optional<int> CommandLineStart::FinishWithoutProgram() {
    if (m_parsed.request != Request::Capture) return Tell(AnswerWithoutCapture(m_parsed, m_language), true);
    // What the running program showed already is only printed.
    const std::optional<HandOffOutcome> handedOn =
        HandToTrayProgram(CommandArguments(m_parsed.command), ShowsErrors(), m_language);
    if (!handedOn) return std::nullopt;
    return Tell(handedOn->outcome, !handedOn->answered);
}

// The command answers from the message loop, after its delay: the loop runs until it has.
int CommandLineStart::RunAlone(CommandRunner& runner) {
    std::optional<CommandOutcome> answer;
    runner.Run(m_parsed.command, ShowsErrors(), [&answer](const CommandOutcome& outcome) { answer = outcome; });
    RunModalLoop([&answer] { return answer.has_value(); });
    if (!answer) return Tell({kExitFailed, UserText(TextId::TrayProgramEndedMessage, m_language)}, true);
    return Tell(*answer, false);
}

int CommandLineStart::Failed(const std::string& reason) {
    return Tell({kExitFailed, UserText(TextId::CommandFailedMessage, m_language, {{"reason", reason}})}, true);
}

int CommandLineStart::Tell(const CommandOutcome& outcome, bool showWithoutConsole) {
    if (m_parsed.command.quiet || outcome.text.empty()) return outcome.exitCode;
    if (m_console.Available()) {
        if (outcome.exitCode == kExitDone) {
            m_console.Print(outcome.text);
        } else {
            m_console.PrintError(outcome.text);
        }
    } else if (showWithoutConsole) {
        const UINT icon = outcome.exitCode == kExitDone ? MB_ICONINFORMATION : MB_ICONERROR;
        ::MessageBoxW(nullptr, ToWide(outcome.text).c_str(), L"Snapwright", MB_OK | icon | MB_SETFOREGROUND);
    }
    return outcome.exitCode;
}

}  // namespace snapwright::win32
