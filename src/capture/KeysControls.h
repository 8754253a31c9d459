#pragma once
#include <cstddef>

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
};

inline constexpr KeysControl RowBox(std::size_t row) {
    return static_cast<KeysControl>(static_cast<std::size_t>(KeysControl::RowBox1) + row);
}

inline constexpr KeysControl KeyField(std::size_t row) {
    return static_cast<KeysControl>(static_cast<std::size_t>(KeysControl::KeyField1) + row);
}

}  // namespace snapwright
