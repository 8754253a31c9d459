#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"
#include "cli/win32/CommandConsole.h"

namespace snapwright::win32 {

// The program's arguments in UTF-8, without its own name.
std::vector<std::string> ProgramArguments();

// A start with arguments: one command, answered on the console that started the program, or, when
// it has none, in the usual message boxes; --quiet silences both.
class CommandLineStart {
public:
    explicit CommandLineStart(const std::vector<std::string>& arguments);

    // The exit code of a command finished without the program of this start: the help, the
    // version, bad arguments, or the answer of the tray program it was handed to. Nothing when
    // this start is to carry it out.
    std::optional<int> FinishWithoutProgram();
    // Carries the command out in this start, which the tray program does not know.
    int RunAlone(CommandRunner& runner);
    int Failed(const std::string& reason);

private:
    bool ShowsErrors() const { return !m_parsed.command.quiet && !m_console.Available(); }
    // `showWithoutConsole`: a text that no one has shown yet goes into a message box.
    int Tell(const CommandOutcome& outcome, bool showWithoutConsole);

    ParsedCommandLine m_parsed;
    CommandConsole m_console;
    int m_language;  // the Language setting
};

}  // namespace snapwright::win32
