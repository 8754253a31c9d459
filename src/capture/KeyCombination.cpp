#include "capture/KeyCombination.h"

#include <array>
#include <cctype>
#include <vector>

#include "lang/UserText.h"

namespace snapwright {

namespace {

struct NamedKey {
    unsigned key;
    const char* name;   // as stored, in English
    TextId shownName;   // as the user reads it
};

// The keys with names of their own, as Windows' virtual keys. Letters, digits, the number pad's
// digits and the function keys are named by rule (KeyName).
constexpr NamedKey kNamedKeys[] = {
    {0x2C, "Print Screen", TextId::KeyNamePrintScreen}, {0x13, "Pause", TextId::KeyNamePause},
    {0x91, "Scroll Lock", TextId::KeyNameScrollLock},   {0x2D, "Insert", TextId::KeyNameInsert},
    {0x2E, "Delete", TextId::KeyNameDelete},            {0x24, "Home", TextId::KeyNameHome},
    {0x23, "End", TextId::KeyNameEnd},                  {0x21, "Page Up", TextId::KeyNamePageUp},
    {0x22, "Page Down", TextId::KeyNamePageDown},       {0x25, "Left", TextId::KeyNameLeft},
    {0x26, "Up", TextId::KeyNameUp},                    {0x27, "Right", TextId::KeyNameRight},
    {0x28, "Down", TextId::KeyNameDown},                {0x20, "Space", TextId::KeyNameSpace},
    {0x0D, "Enter", TextId::KeyNameEnter},              {0x08, "Backspace", TextId::KeyNameBackspace},
    {0x09, "Tab", TextId::KeyNameTab},
};

struct Spelling {
    unsigned code;  // the key, or the modifier's flag
    const char* name;
};

// Other spellings that people and other programs write.
constexpr Spelling kOtherSpellings[] = {
    {0x2C, "PrtSc"}, {0x2C, "PrtScr"}, {0x2C, "PrtScn"}, {0x2C, "Print"}, {0x2E, "Del"},   {0x2D, "Ins"},
    {0x21, "PgUp"},  {0x22, "PgDn"},   {0x0D, "Return"}, {0x25, "Left Arrow"}, {0x26, "Up Arrow"},
    {0x27, "Right Arrow"}, {0x28, "Down Arrow"},
};

struct Modifier {
    unsigned flag;
    const char* name;
    TextId shownName;
};

// In the order the texts write them.
constexpr Modifier kModifiers[] = {{kModControl, "Ctrl", TextId::EditorCtrlKey},
                                   {kModAlt, "Alt", TextId::KeyNameAlt},
                                   {kModShift, "Shift", TextId::KeyNameShift},
                                   {kModWin, "Win", TextId::KeyNameWin}};
constexpr Spelling kOtherModifierSpellings[] = {{kModControl, "Control"}, {kModControl, "Strg"}, {kModWin, "Windows"}};

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
    for (const Spelling& spelling : kOtherModifierSpellings) {
        if (folded == Folded(spelling.name)) return spelling.code;
    }
    return std::nullopt;
}

std::optional<unsigned> KeyNamed(const std::string& folded) {
    if (folded.empty()) return std::nullopt;
    const auto& names = RuleNames();
    for (unsigned key = 0; key < names.size(); ++key) {
        if (!names[key].empty() && folded == Folded(names[key])) return key;
    }
    for (const Spelling& spelling : kOtherSpellings) {
        if (folded == Folded(spelling.name)) return spelling.code;
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

std::string ShownKeyText(KeyCombination keys, int language) {
    if (keys.IsOff()) return {};
    std::string text;
    for (const Modifier& modifier : kModifiers) {
        if (keys.modifiers & modifier.flag) text += UserText(modifier.shownName, language) + "+";
    }
    if (keys.key >= kNumPad0 && keys.key <= kNumPad0 + 9) {
        return text + UserText(TextId::KeyNameNumPad, language, {{"digit", std::to_string(keys.key - kNumPad0)}});
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == keys.key) return text + UserText(named.shownName, language);
    }
    // Letters, digits and function keys read alike in every language.
    return text + KeyText({0, keys.key});
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
