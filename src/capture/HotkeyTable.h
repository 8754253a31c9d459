#pragma once
#include <array>
#include <cstddef>
#include <optional>

#include "capture/KeyCombination.h"
#include "capture/ShotDestinations.h"
#include "lang/TextId.h"

namespace snapwright {

enum class GrabKind { WholeScreen, ActiveWindow, Region };

struct HotkeyRow {
    int number;            // the Hotkey<number> value in the settings store
    const char* atomName;  // UTF-8
    KeyCombination defaultKeys;
    GrabKind grab;
    std::optional<Destination> destination;  // none for the region, which goes to the editor
    TextId action;            // what the key does, as the keys dialog names it
};

inline constexpr unsigned kWmHotkey = 0x0312;

// By default: no modifier prints, Shift saves, Ctrl sends; Alt grabs only the foreground window
// instead of the whole screen; Ctrl+Shift draws a region. The user may choose other keys.
inline constexpr std::array<HotkeyRow, 7> kHotkeyTable{{
    {1, "Snapwright\u21221", {0, kVkSnapshot}, GrabKind::WholeScreen, Destination::Print, TextId::PrintScreenAction},
    {2, "Snapwright\u21222", {kModAlt, kVkSnapshot}, GrabKind::ActiveWindow, Destination::Print,
     TextId::PrintWindowAction},
    {3, "Snapwright\u21223", {kModShift, kVkSnapshot}, GrabKind::WholeScreen, Destination::Save,
     TextId::SaveScreenAction},
    {4, "Snapwright\u21224", {kModAlt | kModShift, kVkSnapshot}, GrabKind::ActiveWindow, Destination::Save,
     TextId::SaveWindowAction},
    {5, "Snapwright\u21225", {kModControl, kVkSnapshot}, GrabKind::WholeScreen, Destination::Send,
     TextId::SendScreenAction},
    {6, "Snapwright\u21226", {kModControl | kModAlt, kVkSnapshot}, GrabKind::ActiveWindow, Destination::Send,
     TextId::SendWindowAction},
    {7, "Snapwright\u21227", {kModControl | kModShift, kVkSnapshot}, GrabKind::Region, std::nullopt,
     TextId::RegionAction},
}};

inline constexpr std::size_t kHotkeyCount = kHotkeyTable.size();

// The key of every row, in the table's order; a row without a key is switched off.
using KeyChoices = std::array<KeyCombination, kHotkeyCount>;

constexpr KeyChoices DefaultKeyChoices() {
    KeyChoices choices{};
    for (std::size_t i = 0; i < kHotkeyCount; ++i) choices[i] = kHotkeyTable[i].defaultKeys;
    return choices;
}

}  // namespace snapwright
