#pragma once
#include <cstddef>

#include "capture/HotkeyTable.h"
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the keys dialog (KeysDialog): one row per table row of the system-wide keys, a
// check box that names the action and switches it on or off, and the field that takes its key.
enum class KeysControl {
    CaptionLabel,
    IntroLabel,
    RowBox1, RowBox2, RowBox3, RowBox4, RowBox5, RowBox6, RowBox7,
    KeyField1, KeyField2, KeyField3, KeyField4, KeyField5, KeyField6, KeyField7,
    DefaultsButton,
    OkButton,
    CancelButton,
    Count,  // not a control: the number of them
};

inline constexpr KeysControl RowBox(std::size_t row) {
    return static_cast<KeysControl>(static_cast<std::size_t>(KeysControl::RowBox1) + row);
}

inline constexpr KeysControl KeyField(std::size_t row) {
    return static_cast<KeysControl>(static_cast<std::size_t>(KeysControl::KeyField1) + row);
}

static_assert(static_cast<std::size_t>(KeysControl::KeyField1) - static_cast<std::size_t>(KeysControl::RowBox1) ==
                  kHotkeyCount,
              "one check box and one key field for every row of the key table");

// The language text of each control (ControlTexts.h): a row's box names what the table's row does.
inline constexpr ControlText kKeysTexts[] = {
    {KeysControl::CaptionLabel, TextId::KeysCaption},
    {KeysControl::IntroLabel, TextId::KeysIntroLabel},
    {KeysControl::RowBox1, kHotkeyTable[0].action},
    {KeysControl::RowBox2, kHotkeyTable[1].action},
    {KeysControl::RowBox3, kHotkeyTable[2].action},
    {KeysControl::RowBox4, kHotkeyTable[3].action},
    {KeysControl::RowBox5, kHotkeyTable[4].action},
    {KeysControl::RowBox6, kHotkeyTable[5].action},
    {KeysControl::RowBox7, kHotkeyTable[6].action},
    {KeysControl::KeyField1, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField2, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField3, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField4, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField5, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField6, kNoText},  // the key's English names, as stored
    {KeysControl::KeyField7, kNoText},  // the key's English names, as stored
    {KeysControl::DefaultsButton, TextId::KeyDefaultsButton},
    {KeysControl::OkButton, TextId::OkButton},
    {KeysControl::CancelButton, TextId::CancelButton},
};
static_assert(ListsEveryControl<KeysControl, kKeysTexts>());

}  // namespace snapwright
