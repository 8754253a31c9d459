#pragma once
#include <string>

namespace snapwright {

// A key pressed in a window of the program, with the modifiers held. Key codes are Windows'
// virtual-key codes, whose letters and digits are their capitals and digits.
struct KeyPress {
    int code = 0;  // 0: no key
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

inline constexpr int kKeyTab = 0x09;
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeyEscape = 0x1B;

// Ctrl with a letter, given as its capital.
inline constexpr KeyPress CtrlKey(char letter) {
    return {letter, true, false, false};
}

// How a key reads in a tooltip or a menu: "Ctrl+Z", "Escape"; empty for no key.
std::string KeyName(const KeyPress& key);

}  // namespace snapwright
