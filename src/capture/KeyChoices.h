#pragma once
#include <optional>
#include <utility>

#include "capture/HotkeyTable.h"
#include "platform/SettingsStore.h"

namespace snapwright {

// The keys as the settings store keeps them: values Hotkey1 to Hotkey7 in the program's settings
// key, each the key's text ("Ctrl+Alt+S"); an empty value switches the row off. A missing value, one
// that names no key the program offers, and one that repeats an earlier row's key read as the
// row's default (or as off, when that default is taken by an earlier row): a damaged value never
// stops the program.
KeyChoices LoadKeyChoices(const ISettingsStore& store);
void SaveKeyChoices(ISettingsStore& store, const KeyChoices& choices);

// The first two rows (indexes into the table) that share a key, if any.
std::optional<std::pair<std::size_t, std::size_t>> FindSharedKey(const KeyChoices& choices);

}  // namespace snapwright
