#pragma once
#include <optional>
#include <string>
#include <vector>

#include "lang/UserText.h"
#include "save/SaveFormats.h"

namespace snapwright {

// The exit codes of a command.
inline constexpr int kExitDone = 0;          // also a page that waits for its second shot
inline constexpr int kExitCancelled = 1;     // by the user: a dialog, the region overlay
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitFailed = 3;        // the capture or its destination

enum class CaptureArea { Screen, Window, Region };
enum class CommandTarget { Clipboard, Print, Save, Send, Editor };

// One screenshot asked for on the command line, and where it goes.
struct Command {
    CaptureArea area = CaptureArea::Screen;
    int delayMilliseconds = 0;
    CommandTarget target = CommandTarget::Clipboard;
    std::string file{};                  // empty: no file
    const SaveFormat* format = nullptr;  // of the file
    std::optional<int> thumbnailPercent{};
    bool overwrite = false;
    bool quiet = false;
    bool scroll = false;  // the whole scrolled content of the window, in one tall picture

    friend bool operator==(const Command&, const Command&) = default;
};

// How a command ended: its exit code, and the reason of a failure or a word about what was done.
struct CommandOutcome {
    int exitCode = kExitDone;
    std::string text;

    friend bool operator==(const CommandOutcome&, const CommandOutcome&) = default;
};

enum class Request { Capture, Help, Version, Invalid };

struct ParsedCommandLine {
    Request request = Request::Invalid;
    Command command;  // its quiet flag is set also on an invalid line
    Message error{TextId::NoCaptureError};  // what is wrong with an invalid line
};

// The program's arguments, without the program's own name. Options and their words are taken in
// any case; paths as they are.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
// The answer to a line that asks for no screenshot: the help, the version, or what is wrong, in
// the user's language (the help stays English).
CommandOutcome AnswerWithoutCapture(const ParsedCommandLine& parsed, int language);
// The arguments that give this command again, every value spelled out.
std::vector<std::string> CommandArguments(const Command& command);

// What --help prints (the README shows the same).
std::string UsageText();
// What --version prints.
std::string VersionText();

}  // namespace snapwright
