#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace snapwright {

// Modifier flags as RegisterHotKey takes them.
inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModControl = 0x2;
inline constexpr unsigned kModShift = 0x4;
inline constexpr unsigned kModWin = 0x8;
inline constexpr unsigned kVkSnapshot = 0x2C;

// A system-wide key: a virtual key with the modifiers held. Key 0 stands for no key (switched off).
struct KeyCombination {
    unsigned modifiers = 0;
    unsigned key = 0;

    bool IsOff() const { return key == 0; }
    friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

inline constexpr KeyCombination kPrintScreen{0, kVkSnapshot};

// The key's text as the settings store keeps it, in English:
// "Ctrl+Alt+Shift+Win+" in that order before the key's name ("Alt+Shift+Print Screen"). Empty for
// no key.
std::string KeyText(KeyCombination keys);

// The key's text as the user reads it in a language (the Language setting): the names the
// language's keyboards and Windows give the modifiers and named keys ("Strg+Umschalt+Druck"),
// letters, digits and function keys as they are. English gives KeyText's text. Empty for no key.
std::string ShownKeyText(KeyCombination keys, int language);

// Reads a key text: modifiers in any order, names in any case, blanks anywhere (also inside a name:
// "printscreen", "Page  Up"). Empty or blank text is no key; anything else that is not one key with
// distinct modifiers is nothing.
std::optional<KeyCombination> ParseKeyText(std::string_view text);

// The name of a key the program offers ("S", "F9", "Print Screen"); empty for one it does not.
std::string_view KeyName(unsigned virtualKey);

// Whether the combination may be a system-wide key: a key the program names, and, for one that
// types text (letters, digits, the space bar), Ctrl, Alt or Win with it, so that typing stays free.
bool IsChoosableKey(KeyCombination keys);

}  // namespace snapwright
