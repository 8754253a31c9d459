#pragma once
#include <array>

#include "capture/Hotkeys.h"
#include "capture/KeysControls.h"
#include "model/Settings.h"
#include "platform/Form.h"
#include "platform/UserMessages.h"

namespace snapwright {

// The keys dialog: the user presses the keys for each action in its field, switches actions off,
// or brings back the defaults. OK takes the keys at once, unless two rows share a key or another
// program holds a new one: then the user is told, and the dialog stays open on that row.
class KeysDialog {
public:
    KeysDialog(IForm& form, Hotkeys& hotkeys, IUserMessages& messages, const Settings& settings);

    // Modal. Meanwhile the program's own keys are given back, so that they reach the key fields.
    void Show();

    void OnLoad();
    void OnRowSwitched(std::size_t row);
    // Keys pressed in a row's field; a combination the program does not offer is let pass.
    void OnKeyPressed(std::size_t row, KeyCombination keys);
    void OnDefaults();
    void OnOk();
    void OnCancel();

private:
    void ShowRow(std::size_t row);
    KeyChoices Chosen() const;

    IForm& m_form;
    Hotkeys& m_hotkeys;
    IUserMessages& m_messages;
    const Settings& m_settings;
    // What each field shows; a row switched off keeps its key for when it is switched on again.
    KeyChoices m_keys = DefaultKeyChoices();
    std::array<bool, kHotkeyCount> m_on{};
    bool m_open = false;
};

}  // namespace snapwright
