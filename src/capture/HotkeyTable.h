#pragma once
#include <array>

#include "capture/ShotDestinations.h"

namespace snapwright {

enum class GrabKind { WholeScreen, ActiveWindow };

struct HotkeyRow {
    int number;
    const char* atomName;  // UTF-8
    unsigned modifiers;    // as RegisterHotKey takes them
    GrabKind grab;
    Destination destination;
    const char* keysText;  // how the user presses it
};

inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModControl = 0x2;
inline constexpr unsigned kModShift = 0x4;
inline constexpr unsigned kVkSnapshot = 0x2C;
inline constexpr unsigned kWmHotkey = 0x0312;

// No modifier prints, Shift saves, Ctrl sends; Alt grabs only the foreground window.
inline constexpr std::array<HotkeyRow, 6> kHotkeyTable{{
    {1, "Snapwright\u21221", 0, GrabKind::WholeScreen, Destination::Print, "Print Screen"},
    {2, "Snapwright\u21222", kModAlt, GrabKind::ActiveWindow, Destination::Print, "Alt+Print Screen"},
    {3, "Snapwright\u21223", kModShift, GrabKind::WholeScreen, Destination::Save, "Shift+Print Screen"},
    {4, "Snapwright\u21224", kModAlt | kModShift, GrabKind::ActiveWindow, Destination::Save, "Alt+Shift+Print Screen"},
    {5, "Snapwright\u21225", kModControl, GrabKind::WholeScreen, Destination::Send, "Ctrl+Print Screen"},
    {6, "Snapwright\u21226", kModControl | kModAlt, GrabKind::ActiveWindow, Destination::Send, "Ctrl+Alt+Print Screen"},
}};

// Ctrl+Shift+Print Screen, which the six leave free: a region of the screen, drawn on the frozen
// desktop. An extra that the program runs without when another program holds the key.
struct ExtraHotkey {
    const char* atomName;  // UTF-8
    unsigned modifiers;
    const char* keysText;
};
inline constexpr ExtraHotkey kRegionHotkey{"Snapwright\u21227", kModControl | kModShift, "Ctrl+Shift+Print Screen"};

}  // namespace snapwright
