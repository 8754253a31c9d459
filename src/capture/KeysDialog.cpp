#include "capture/KeysDialog.h"

#include "capture/KeyChoices.h"
#include "capture/KeyMessages.h"
#include "lang/ApplyLanguage.h"
#include "lang/LanguageTable.h"
#include "lang/UserText.h"
#include "platform/ScopedFlag.h"

namespace snapwright {

using enum KeysControl;

KeysDialog::KeysDialog(IForm& form, Hotkeys& hotkeys, IUserMessages& messages, const Settings& settings)
    : m_form(form), m_hotkeys(hotkeys), m_messages(messages), m_settings(settings) {}

// The options dialog's Keys button can be clicked again while this dialog is open: that only brings
// it to the front, and the keys rest until the first opening closes.
void KeysDialog::Show() {
    if (m_open) return m_form.ShowModal();
    const ScopedFlag open(m_open);
    m_hotkeys.Suspend();
    struct ResumeKeys {
        Hotkeys& hotkeys;
        ~ResumeKeys() { hotkeys.Resume(); }
    } resume{m_hotkeys};
    m_form.ShowModal();
}

// The fields show the keys as the language names them (they are stored in English) in its font.
void KeysDialog::OnLoad() {
    ApplyLanguage(m_form, m_settings.Language, kKeysTexts, Id(CaptionLabel));
    m_form.SetText(kWindowTitle, UserText(TextId::KeysWindowTitle, m_settings.Language));
    const LanguageTable& lang = Languages();
    const KeyChoices& chosen = m_hotkeys.Choices();
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        m_form.SetFontName(Id(KeyField(row)), lang.FontName(m_settings.Language));
        m_form.SetFontSize(Id(KeyField(row)), lang.FontSize(m_settings.Language));
        m_on[row] = !chosen[row].IsOff();
        m_keys[row] = m_on[row] ? chosen[row] : kHotkeyTable[row].defaultKeys;
        ShowRow(row);
    }
}

void KeysDialog::OnRowSwitched(std::size_t row) {
    m_on.at(row) = m_form.Checked(Id(RowBox(row)));
    ShowRow(row);
}

void KeysDialog::OnKeyPressed(std::size_t row, KeyCombination keys) {
    if (row >= kHotkeyCount || !m_on[row] || !IsChoosableKey(keys)) return;
    m_keys[row] = keys;
    ShowRow(row);
}

void KeysDialog::OnDefaults() {
    m_keys = DefaultKeyChoices();
    m_on.fill(true);
    for (std::size_t row = 0; row < kHotkeyCount; ++row) ShowRow(row);
}

void KeysDialog::OnOk() {
    const KeyChoices wanted = Chosen();
    if (const auto shared = FindSharedKey(wanted)) {
        m_messages.ShowError(SharedKeyMessage(wanted[shared->second], shared->first, shared->second, m_settings.Language));
        m_form.SetFocus(Id(KeyField(shared->second)));
        return;
    }
    if (const auto refused = m_hotkeys.ChooseKeys(wanted)) {
        m_form.SetFocus(Id(KeyField(*refused)));
        return;
    }
    m_form.Unload();
}

void KeysDialog::OnCancel() {
    m_form.Unload();
}

void KeysDialog::ShowRow(std::size_t row) {
    m_form.SetChecked(Id(RowBox(row)), m_on[row]);
    m_form.SetText(Id(KeyField(row)), ShownKeyText(m_keys[row], m_settings.Language));
    m_form.SetEnabled(Id(KeyField(row)), m_on[row]);
}

KeyChoices KeysDialog::Chosen() const {
    KeyChoices chosen{};
    for (std::size_t row = 0; row < kHotkeyCount; ++row) chosen[row] = m_on[row] ? m_keys[row] : KeyCombination{};
    return chosen;
}

}  // namespace snapwright
