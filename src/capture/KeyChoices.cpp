#include "capture/KeyChoices.h"

#include <algorithm>
#include <string>

#include "model/Settings.h"

namespace snapwright {

namespace {

std::string ValueName(const HotkeyRow& row) {
    return "Hotkey" + std::to_string(row.number);
}

bool TakenBefore(const KeyChoices& choices, std::size_t row, KeyCombination keys) {
    return std::any_of(choices.begin(), choices.begin() + static_cast<std::ptrdiff_t>(row),
                       [keys](KeyCombination earlier) { return earlier == keys; });
}

}  // namespace

// A missing value reads as the default's own text, so that only a stored empty text switches off.
KeyChoices LoadKeyChoices(const ISettingsStore& store) {
    KeyChoices choices{};
    for (std::size_t i = 0; i < kHotkeyCount; ++i) {
        const HotkeyRow& row = kHotkeyTable[i];
        const std::string text =
            store.GetSetting(kSettingsApp, kSettingsSection, ValueName(row), KeyText(row.defaultKeys));
        const std::optional<KeyCombination> stored = ParseKeyText(text);
        if (stored && (stored->IsOff() || (IsChoosableKey(*stored) && !TakenBefore(choices, i, *stored)))) {
            choices[i] = *stored;
        } else {
            choices[i] = TakenBefore(choices, i, row.defaultKeys) ? KeyCombination{} : row.defaultKeys;
        }
    }
    return choices;
}

void SaveKeyChoices(ISettingsStore& store, const KeyChoices& choices) {
    for (std::size_t i = 0; i < kHotkeyCount; ++i) {
        store.SaveSetting(kSettingsApp, kSettingsSection, ValueName(kHotkeyTable[i]), KeyText(choices[i]));
    }
}

std::optional<std::pair<std::size_t, std::size_t>> FindSharedKey(const KeyChoices& choices) {
    for (std::size_t later = 1; later < choices.size(); ++later) {
        if (choices[later].IsOff()) continue;
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (choices[earlier] == choices[later]) return std::pair{earlier, later};
        }
    }
    return std::nullopt;
}

}  // namespace snapwright
