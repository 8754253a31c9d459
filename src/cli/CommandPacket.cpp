#include "cli/CommandPacket.h"

#include <charconv>

namespace snapwright {

namespace {

// Data that comes from another program is not trusted to be small.
constexpr std::size_t kLargestPacket = 64 * 1024;

std::vector<std::string_view> Fields(std::string_view packet) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = packet.find('\0', start);
        fields.push_back(packet.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view field) {
    Number value{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string PackCommand(const HandedCommand& command) {
    std::string packet = std::to_string(command.answerWindow) + '\0' + (command.showErrors ? "1" : "0");
    for (const std::string& argument : command.arguments) packet += '\0' + argument;
    return packet;
}

std::optional<HandedCommand> UnpackCommand(std::string_view packet) {
    if (packet.size() > kLargestPacket) return std::nullopt;
    const std::vector<std::string_view> fields = Fields(packet);
    const std::optional<std::uint64_t> window = NumberOf<std::uint64_t>(fields[0]);
    if (!window || fields.size() < 2 || (fields[1] != "0" && fields[1] != "1")) return std::nullopt;
    return HandedCommand{*window, fields[1] == "1", {fields.begin() + 2, fields.end()}};
}

std::string PackOutcome(const CommandOutcome& outcome) {
    return std::to_string(outcome.exitCode) + '\0' + outcome.text;
}

std::optional<CommandOutcome> UnpackOutcome(std::string_view packet) {
    const std::size_t separator = packet.find('\0');
    if (packet.size() > kLargestPacket || separator == std::string_view::npos) return std::nullopt;
    const std::optional<int> exitCode = NumberOf<int>(packet.substr(0, separator));
    if (!exitCode) return std::nullopt;
    return CommandOutcome{*exitCode, std::string(packet.substr(separator + 1))};
}

}  // namespace snapwright
