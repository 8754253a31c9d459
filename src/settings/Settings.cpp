#include "settings/Settings.h"

#include <cctype>

namespace snapwright {

std::string ByteToText(std::uint8_t value) {
    return std::to_string(value);
}

std::string TruthToText(bool value) {
    return value ? "1" : "0";
}

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Parses an unsigned decimal number; anything else (signs, fractions, letters, overflow) is nothing.
std::optional<unsigned long> WholeNumber(const std::string& text) {
    const std::string digits = Trimmed(text);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    unsigned long value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    return value;
}

}  // namespace

std::optional<std::uint8_t> TextToByte(const std::string& text) {
    const auto value = WholeNumber(text);
    if (!value || *value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

bool TextToTruth(const std::string& text) {
    const auto value = WholeNumber(text);
    return value && *value == 1;
}

std::optional<std::uint8_t> ShotsForPrintformat(std::uint8_t printformat) {
    switch (printformat) {
        case 1: return 1;
        case 2: return 2;
        case 3: return 1;
        default: return std::nullopt;
    }
}

}  // namespace snapwright
