#include "capture/KeyCombination.h"

#include <array>
#include <cctype>
#include <vector>

namespace snapwright {

namespace {

struct NamedKey {
    unsigned key;
    const char* name;
};

// The keys with names of their own, as Windows' virtual keys. Letters, digits, the number pad's
// digits and the function keys are named by rule (KeyName).
constexpr NamedKey kNamedKeys[] = {
    {0x2C, "Print Screen"}, {0x13, "Pause"},     {0x91, "Scroll Lock"}, {0x2D, "Insert"},  {0x2E, "Delete"},
    {0x24, "Home"},         {0x23, "End"},       {0x21, "Page Up"},     {0x22, "Page Down"}, {0x25, "Left"},
    {0x26, "Up"},           {0x27, "Right"},     {0x28, "Down"},        {0x20, "Space"},   {0x0D, "Enter"},
    {0x08, "Backspace"},    {0x09, "Tab"},
};

// Other spellings that people and other programs write.
constexpr NamedKey kOtherSpellings[] = {
    {0x2C, "PrtSc"}, {0x2C, "PrtScr"}, {0x2C, "PrtScn"}, {0x2C, "Print"}, {0x2E, "Del"},   {0x2D, "Ins"},
    {0x21, "PgUp"},  {0x22, "PgDn"},   {0x0D, "Return"}, {0x25, "Left Arrow"}, {0x26, "Up Arrow"},
    {0x27, "Right Arrow"}, {0x28, "Down Arrow"},
};

struct Modifier {
    unsigned flag;
    const char* name;
};

// In the order the texts write them.
constexpr Modifier kModifiers[] = {{kModControl, "Ctrl"}, {kModAlt, "Alt"}, {kModShift, "Shift"}, {kModWin, "Win"}};
constexpr Modifier kOtherModifierSpellings[] = {{kModControl, "Control"}, {kModControl, "Strg"}, {kModWin, "Windows"}};

constexpr unsigned kNumPad0 = 0x60;
constexpr unsigned kF1 = 0x70;
constexpr unsigned kF24 = 0x87;

// The names the rule gives, kept for the life of the program: KeyName hands out views of them.
const std::array<std::string, 256>& RuleNames() {
    static const std::array<std::string, 256> names = [] {
        std::array<std::string, 256> built;
        for (unsigned c = 'A'; c <= 'Z'; ++c) built[c] = std::string(1, static_cast<char>(c));
        for (unsigned c = '0'; c <= '9'; ++c) built[c] = std::string(1, static_cast<char>(c));
        for (unsigned n = 0; n <= 9; ++n) built[kNumPad0 + n] = "Num " + std::to_string(n);
        for (unsigned f = kF1; f <= kF24; ++f) built[f] = "F" + std::to_string(f - kF1 + 1);
        for (const NamedKey& named : kNamedKeys) built[named.key] = named.name;
        return built;
    }();
    return names;
}

// A name as it is compared: lower case, without blanks.
std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return folded;
}

std::optional<unsigned> ModifierNamed(const std::string& folded) {
    for (const Modifier& modifier : kModifiers) {
        if (folded == Folded(modifier.name)) return modifier.flag;
    }
    for (const Modifier& modifier : kOtherModifierSpellings) {
        if (folded == Folded(modifier.name)) return modifier.flag;
    }
    return std::nullopt;
}

std::optional<unsigned> KeyNamed(const std::string& folded) {
    if (folded.empty()) return std::nullopt;
    const auto& names = RuleNames();
    for (unsigned key = 0; key < names.size(); ++key) {
        if (!names[key].empty() && folded == Folded(names[key])) return key;
    }
    for (const NamedKey& named : kOtherSpellings) {
        if (folded == Folded(named.name)) return named.key;
    }
    return std::nullopt;
}

// Keys that type text or move in it: taken system-wide without Ctrl, Alt or Win, they would be
// missing from every program.
bool TypesOrMoves(unsigned key) {
    const bool functionKey = key >= kF1 && key <= kF24;
    return !functionKey && key != 0x2C && key != 0x13 && key != 0x91;
}

}  // namespace

std::string_view KeyName(unsigned virtualKey) {
    if (virtualKey >= RuleNames().size()) return {};
    return RuleNames()[virtualKey];
}

std::string KeyText(KeyCombination keys) {
    if (keys.IsOff()) return {};
    std::string text;
    for (const Modifier& modifier : kModifiers) {
        if (keys.modifiers & modifier.flag) text += std::string(modifier.name) + "+";
    }
    const std::string_view name = KeyName(keys.key);
    return text + (name.empty() ? "Key " + std::to_string(keys.key) : std::string(name));
}

std::optional<KeyCombination> ParseKeyText(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = text.find('+', start);
        parts.push_back(Folded(text.substr(start, plus == std::string_view::npos ? std::string_view::npos : plus - start)));
        if (plus == std::string_view::npos) break;
        start = plus + 1;
    }
    if (parts.size() == 1 && parts[0].empty()) return KeyCombination{};

    KeyCombination keys;
    for (const std::string& part : parts) {
        if (const std::optional<unsigned> modifier = ModifierNamed(part)) {
            if (keys.modifiers & *modifier) return std::nullopt;
            keys.modifiers |= *modifier;
        } else if (const std::optional<unsigned> key = KeyNamed(part); key && keys.key == 0) {
            keys.key = *key;
        } else {
            return std::nullopt;
        }
    }
    if (keys.key == 0) return std::nullopt;
    return keys;
}

bool IsChoosableKey(KeyCombination keys) {
    if (keys.IsOff() || KeyName(keys.key).empty()) return false;
    if (keys.modifiers & ~(kModControl | kModAlt | kModShift | kModWin)) return false;
    return !TypesOrMoves(keys.key) || (keys.modifiers & (kModControl | kModAlt | kModWin)) != 0;
}

}  // namespace snapwright
