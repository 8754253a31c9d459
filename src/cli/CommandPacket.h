#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"

namespace snapwright {

// What tells the running program's main window that data is a command, and the command's window
// that data is its answer.
inline constexpr std::uintptr_t kCommandPacketId = 0x53574331;  // "SWC1"
inline constexpr std::uintptr_t kOutcomePacketId = 0x53575231;  // "SWR1"

// A command handed to the running program: where it answers, whether its errors are to be shown
// there (it has no console to print them), and its arguments.
struct HandedCommand {
    std::uint64_t answerWindow = 0;
    bool showErrors = false;
    std::vector<std::string> arguments;

    friend bool operator==(const HandedCommand&, const HandedCommand&) = default;
};

// The packets are UTF-8 fields separated by NUL characters.
std::string PackCommand(const HandedCommand& command);
// Nothing for data that is not a command.
std::optional<HandedCommand> UnpackCommand(std::string_view packet);
std::string PackOutcome(const CommandOutcome& outcome);
std::optional<CommandOutcome> UnpackOutcome(std::string_view packet);

}  // namespace snapwright
