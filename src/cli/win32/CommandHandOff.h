#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace snapwright::win32 {

// The answer of the running program to a command handed to it.
struct HandOffOutcome {
    CommandOutcome outcome;
    bool answered = true;  // false: the program ended before it answered
};

// Hands the command to the tray program, found by its main window's class and caption, and waits
// for its answer however long its dialogs are open. Nothing when no tray program runs or it does
// not take the command. `language`: of the messages when the program does not answer.
std::optional<HandOffOutcome> HandToTrayProgram(const std::vector<std::string>& arguments, bool showErrors,
                                                int language);

}  // namespace snapwright::win32
