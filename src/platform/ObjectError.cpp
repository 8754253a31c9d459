#include "platform/ObjectError.h"

namespace snapwright {

namespace {

// Codes up to this one are the run-time's own and are raised as they are.
constexpr int kHighestBareCode = 1000;

bool IsBare(int code) {
    return code <= kHighestBareCode;
}

// The number as the run-time reports it: the code added to the base, read as a signed 32-bit value.
std::int32_t NumberFor(int code) {
    if (IsBare(code)) return code;
    return static_cast<std::int32_t>(ObjectError::kObjectErrorBase + static_cast<std::uint32_t>(code));
}

std::string MessageFor(int code, std::int32_t number, const std::string& source, const std::string& description) {
    std::string message = "error " + std::to_string(code);
    if (IsBare(code)) return message;
    message += " (" + std::to_string(number) + ")";
    if (!source.empty()) message += " in " + source;
    if (!description.empty()) message += ": " + description;
    return message;
}

}  // namespace

ObjectError::ObjectError(int code, const std::string& source)
    : std::runtime_error(MessageFor(code, NumberFor(code), IsBare(code) ? std::string() : source, DescriptionFor(code))),
      m_code(code),
      m_number(NumberFor(code)),
      m_source(IsBare(code) ? std::string() : source),
      m_description(DescriptionFor(code)) {}

std::string ObjectError::DescriptionFor(int code) {
    switch (code) {
        case kErrCantSubclass:
            return "Can't subclass window";
        case kErrAlreadyHandled:
            return "Message already handled by another class";
        case kErrInvalidWindow:
            return "Invalid window";
        case kErrExternalWindow:
            return "Can't modify external window";
        case kErrTooManyTimers:
            return "No more than 10 timers allowed per class";
        case kErrCantCreateTimer:
            return "Can't create system timer";
        default:
            return {};
    }
}

std::string WindowProcSource(const std::string& moduleFileName) {
    // Either separator may come, whatever produced the path.
    const std::size_t slash = moduleFileName.find_last_of("\\/");
    std::string name = slash == std::string::npos ? moduleFileName : moduleFileName.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name + ".WindowProc";
}

}  // namespace snapwright
