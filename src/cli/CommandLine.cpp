#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "Version.h"
#include "lang/UserText.h"
#include "save/FileNaming.h"
#include "save/SaveFormats.h"

namespace snapwright {

namespace {

constexpr int kMaxDelaySeconds = 3600;
// The range of the save dialog's thumbnail slider.
constexpr int kThumbnailMin = 10;
constexpr int kThumbnailMax = 50;

enum class Option { Screen, Window, Region, Scroll, Delay, To, File, Format, Thumbnail, Overwrite, Quiet };

struct OptionName {
    const char* name;
    Option option;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"--screen", Option::Screen, false},       {"--window", Option::Window, false},
    {"--region", Option::Region, false},       {"--scroll", Option::Scroll, false},
    {"--delay", Option::Delay, true},
    {"--to", Option::To, true},                {"--file", Option::File, true},
    {"--format", Option::Format, true},        {"--thumbnail", Option::Thumbnail, true},
    {"--overwrite", Option::Overwrite, false}, {"--quiet", Option::Quiet, false},
};

constexpr std::pair<const char*, CommandTarget> kTargets[] = {{"clipboard", CommandTarget::Clipboard},
                                                              {"print", CommandTarget::Print},
                                                              {"save", CommandTarget::Save},
                                                              {"send", CommandTarget::Send},
                                                              {"editor", CommandTarget::Editor}};

// The longer names people also write for two of the save dialog's formats.
constexpr std::pair<const char*, const char*> kFormatAliases[] = {{"jpeg", ".jpg"}, {"tiff", ".tif"}};

// The command line's words in any case, as Windows users type them: "--Screen", "--to EDITOR".
std::string LowerCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

const OptionName* FindOption(const std::string& name) {
    for (const OptionName& option : kOptions) {
        if (LowerCaseAscii(name) == option.name) return &option;
    }
    return nullptr;
}

// A format by its extension without the dot, or by a longer name, in any case.
const SaveFormat* FormatNamed(const std::string& name) {
    for (const auto& [alias, extension] : kFormatAliases) {
        if (UpperCaseAscii(name) == UpperCaseAscii(alias)) return FormatForExtension(extension);
    }
    return FormatForExtension("." + name);
}

// The format that the extension of the file's own name gives; null for any other extension.
const SaveFormat* FormatOfFile(const std::string& file) {
    const std::string name = SplitPath(file).file;
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? nullptr : FormatNamed(name.substr(dot + 1));
}

std::string FormatName(const SaveFormat& format) {
    return std::string(format.extension).substr(1);
}

// Whole seconds or seconds with decimals ("2", "0.25"), to the millisecond; nothing for a sign,
// an exponent or any other text.
std::optional<int> Milliseconds(const std::string& text) {
    std::size_t at = 0;
    int seconds = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        seconds = seconds * 10 + (text[at] - '0');
        if (seconds > kMaxDelaySeconds) return std::nullopt;
    }
    if (at == 0) return std::nullopt;
    int fraction = 0;
    if (at < text.size() && text[at] == '.') {
        const std::size_t first = ++at;
        for (int scale = 100; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, scale /= 10) {
            fraction += (text[at] - '0') * scale;
        }
        if (at == first) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    const int milliseconds = seconds * 1000 + fraction;
    return milliseconds <= kMaxDelaySeconds * 1000 ? std::optional<int>(milliseconds) : std::nullopt;
}

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(Command& command) : m_command(command) {}

    // The error of the line, if it has one.
    std::optional<Message> Parse(const std::vector<std::string>& arguments) {
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            std::string name = arguments[i];
            std::optional<std::string> value;
            if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
            }
            const OptionName* option = FindOption(name);
            if (!option) {
                if (name.starts_with("-") || name.starts_with("/")) return Message{TextId::UnknownOptionError, {{"option", name}}};
                return Message{TextId::UnexpectedArgumentError, {{"argument", name}}};
            }
            if (!m_given.insert(option->name).second) return Message{TextId::OptionTwiceError, {{"option", name}}};
            if (option->takesValue && !value) {
                if (i + 1 == arguments.size()) return Message{TextId::OptionNeedsValueError, {{"option", name}}};
                value = arguments[++i];
            }
            if (!option->takesValue && value) return Message{TextId::OptionTakesNoValueError, {{"option", name}}};
            if (std::optional<Message> error = Apply(option->option, value.value_or(std::string()))) return error;
        }
        return Check();
    }

private:
    std::optional<Message> Apply(Option option, const std::string& value) {
        switch (option) {
            case Option::Screen: return Capture(CaptureArea::Screen, "--screen");
            case Option::Window: return Capture(CaptureArea::Window, "--window");
            case Option::Region: return Capture(CaptureArea::Region, "--region");
            case Option::Scroll: m_command.scroll = true; return std::nullopt;
            case Option::Delay:
                if (const std::optional<int> milliseconds = Milliseconds(value)) {
                    m_command.delayMilliseconds = *milliseconds;
                    return std::nullopt;
                }
                return Message{TextId::DelayValueError, {{"value", value}}};
            case Option::To:
                for (const auto& [name, target] : kTargets) {
                    if (LowerCaseAscii(value) == name) {
                        m_command.target = target;
                        return std::nullopt;
                    }
                }
                return Message{TextId::ToValueError, {{"value", value}}};
            case Option::File:
                if (value.empty()) return Message{TextId::FileNeedsPathError};
                m_command.file = value;
                return std::nullopt;
            case Option::Format:
                m_command.format = FormatNamed(value);
                if (m_command.format) return std::nullopt;
                return Message{TextId::FormatValueError, {{"value", value}}};
            case Option::Thumbnail:
                m_command.thumbnailPercent = WholeNumber(value);
                if (m_command.thumbnailPercent >= kThumbnailMin && m_command.thumbnailPercent <= kThumbnailMax) {
                    return std::nullopt;
                }
                return Message{TextId::ThumbnailValueError, {{"value", value}}};
            case Option::Overwrite: m_command.overwrite = true; return std::nullopt;
            case Option::Quiet: m_command.quiet = true; return std::nullopt;
        }
        return std::nullopt;
    }

    std::optional<Message> Capture(CaptureArea area, const char* name) {
        if (!m_capture.empty()) return Message{TextId::OneCaptureError, {{"first", m_capture}, {"second", name}}};
        m_command.area = area;
        m_capture = name;
        return std::nullopt;
    }

    std::optional<Message> Check() {
        if (m_capture.empty()) return Message{TextId::NoCaptureError};
        if (m_command.scroll && m_command.area == CaptureArea::Screen) return Message{TextId::ScrollNeedsWindowOrRegionError};
        if (m_command.file.empty()) {
            for (const char* needsFile : {"--format", "--thumbnail", "--overwrite"}) {
                if (m_given.contains(needsFile)) return Message{TextId::NeedsFileError, {{"option", needsFile}}};
            }
            return std::nullopt;
        }
        if (m_command.target == CommandTarget::Save) return Message{TextId::FileWithSaveError};
        const SaveFormat* byExtension = FormatOfFile(m_command.file);
        if (m_command.format && byExtension && m_command.format != byExtension) {
            return Message{TextId::FormatMismatchError, {{"format", FormatName(*m_command.format)}, {"file", m_command.file}}};
        }
        if (!m_command.format) m_command.format = byExtension;
        if (!m_command.format) return Message{TextId::UnknownFormatError, {{"file", m_command.file}}};
        return std::nullopt;
    }

    Command& m_command;
    std::set<std::string> m_given;  // by the options' own names
    std::string m_capture;
};

bool HasArgument(const std::vector<std::string>& arguments, std::initializer_list<const char*> names) {
    return std::any_of(arguments.begin(), arguments.end(), [&names](const std::string& argument) {
        return std::find(names.begin(), names.end(), LowerCaseAscii(argument)) != names.end();
    });
}

}  // namespace

// Asking for help or the version answers whatever else the line says; silence asked for is kept
// also on a line that is wrong otherwise.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    parsed.command.quiet = HasArgument(arguments, {"--quiet"});
    if (HasArgument(arguments, {"--help", "-h", "/?"})) {
        parsed.request = Request::Help;
    } else if (HasArgument(arguments, {"--version"})) {
        parsed.request = Request::Version;
    } else {
        Command command;
        if (std::optional<Message> error = Parser(command).Parse(arguments)) {
            parsed.error = std::move(*error);
        } else {
            parsed.command = command;
            parsed.request = Request::Capture;
        }
    }
    return parsed;
}

CommandOutcome AnswerWithoutCapture(const ParsedCommandLine& parsed, int language) {
    switch (parsed.request) {
        case Request::Help: return {kExitDone, UsageText()};
        case Request::Version: return {kExitDone, VersionText()};
        case Request::Capture:
        case Request::Invalid: break;
    }
    return {kExitBadArguments, UserText(TextId::BadArgumentsMessage, language, {{"error", UserText(parsed.error, language)}})};
}

std::vector<std::string> CommandArguments(const Command& command) {
    static constexpr const char* kAreas[] = {"--screen", "--window", "--region"};
    std::vector<std::string> arguments{kAreas[static_cast<int>(command.area)]};
    if (command.scroll) arguments.emplace_back("--scroll");
    if (command.delayMilliseconds > 0) {
        const int fraction = command.delayMilliseconds % 1000;
        std::string seconds = std::to_string(command.delayMilliseconds / 1000);
        if (fraction > 0) seconds += "." + std::to_string(1000 + fraction).substr(1);
        arguments.insert(arguments.end(), {"--delay", seconds});
    }
    arguments.insert(arguments.end(), {"--to", kTargets[static_cast<int>(command.target)].first});
    if (!command.file.empty()) {
        arguments.insert(arguments.end(), {"--file", command.file});
        if (command.format) arguments.insert(arguments.end(), {"--format", FormatName(*command.format)});
        if (command.thumbnailPercent) {
            arguments.insert(arguments.end(), {"--thumbnail", std::to_string(*command.thumbnailPercent)});
        }
        if (command.overwrite) arguments.emplace_back("--overwrite");
    }
    if (command.quiet) arguments.emplace_back("--quiet");
    return arguments;
}

std::string UsageText() {
    return R"(Usage: snapwright.exe --screen|--window|--region [--scroll] [--delay SECONDS]
                      [--to clipboard|print|save|send|editor]
                      [--file PATH [--format bmp|jpg|png|tif|mng] [--thumbnail PERCENT] [--overwrite]]
                      [--quiet]
       snapwright.exe --help|--version

Takes one screenshot, puts it on the clipboard, hands it on and ends. Without arguments,
Snapwright starts in the tray. When it runs there already, the command is carried out by it,
with its settings, its open editor and the page it is collecting.

  --screen             the whole desktop, every monitor
  --window             the window in front when the delay is over, by the frame you see
  --region             a region you draw on the frozen desktop (Escape cancels)
  --scroll             with --window: scrolls the window from its top to its end and takes all
                       of it in one tall picture, up to 16384 pixels (Escape stops and keeps
                       what was taken); the window is scrolled back where it was. With
                       --region: a window you click is taken so, as S over it always is;
                       a region you draw is taken as drawn
  --delay SECONDS      waits first: 0 to 3600 seconds, such as 5 or 0.5
  --to clipboard       the clipboard only (the default)
  --to print           prints the page, as Print Screen does
  --to save            opens the save dialog, as Shift+Print Screen does
  --to send            sends it where the options say, as Ctrl+Print Screen does
  --to editor          opens it in the editor
  --file PATH          also writes it to this file; a relative path starts in the current
                       folder, and missing folders are made; cannot go with --to save
  --format FORMAT      bmp, jpg, png, tif or mng; without it, the file's extension tells
  --thumbnail PERCENT  also writes a thumbnail of 10 to 50 percent beside the file (NAME_thumb.EXT)
  --overwrite          replaces the file (and its thumbnail) when it exists; without it,
                       an existing file is kept and the command fails
  --quiet              prints nothing and shows no message

Exit codes: 0 done (also a page that waits for its second shot), 1 cancelled by the user,
2 bad arguments, 3 the capture, the file or the destination failed (the reason is printed).
Messages go to the console that started Snapwright, or, without one, into a message box.

Examples:
  snapwright.exe --screen --file shots\desktop.png
  snapwright.exe --window --delay 2 --to print
  snapwright.exe --window --scroll --delay 3 --file "whole page.png"
  snapwright.exe --region --scroll --to editor
  snapwright.exe --region --file "%USERPROFILE%\Pictures\Bug 1234.jpg" --thumbnail 20
  start /wait snapwright.exe --window --file window.png --overwrite --quiet
)";
}

std::string VersionText() {
    return std::string(kProductName) + " " + SNAPWRIGHT_VERSION_TEXT;
}

}  // namespace snapwright
