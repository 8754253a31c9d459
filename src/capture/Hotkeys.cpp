#include "capture/Hotkeys.h"

#include <algorithm>
#include <utility>

#include "capture/KeyChoices.h"
#include "capture/KeyMessages.h"
#include "lang/UserText.h"
#include "platform/Diagnostics.h"

namespace snapwright {

Hotkeys::Hotkeys(IHotkeyService& service, IUserMessages& messages, CaptureEngine& engine, CurrentShot& currentShot,
                 ShotDestinations& destinations, ISettingsStore& store, const Settings& settings)
    : m_service(service),
      m_messages(messages),
      m_engine(engine),
      m_currentShot(currentShot),
      m_destinations(destinations),
      m_store(store),
      m_settings(settings) {}

// The procedure comes first: the keys' messages and the retry timer's ticks arrive through it.
bool Hotkeys::RegisterHotkeys() {
    m_choices = LoadKeyChoices(m_store);
    m_hooked = m_service.InstallHook();
    if (!m_hooked) {
        m_messages.ShowError(UserText(TextId::HotkeyHookFailedMessage, m_settings.Language));
        return false;
    }
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (!m_choices[row].IsOff()) TryRegister(row);
    }
    UpdateRetryTimer();
    return true;
}

void Hotkeys::TellTakenKeys() {
    const std::vector<std::size_t> missing = MissingRows();
    if (missing.empty()) return;
    TakenKeys taken;
    for (std::size_t row : missing) taken.keys.push_back(m_choices[row]);
    taken.windowsCaptureHoldsPrintScreen = HeldByWindowsCapture(missing, m_choices);
    taken.askToSwitchOffWindowsCapture = taken.windowsCaptureHoldsPrintScreen;
    const std::string text = TakenKeysMessage(taken, KeysTakenWhen::AtStart, m_settings.Language);
    if (!taken.askToSwitchOffWindowsCapture) {
        m_messages.ShowError(text);
    } else if (m_messages.AskYesNo(text)) {
        SwitchOffWindowsCapture();
    }
}

void Hotkeys::UnregisterHotkeys() {
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (m_registered[row]) m_service.UnregisterHotKey(m_ids[row]);
        m_registered[row] = false;
    }
    if (m_hooked) m_service.RemoveHook();
    m_hooked = false;
    UpdateRetryTimer();
    for (auto& id : m_ids) {
        if (id != 0) m_service.DeleteAtom(id);
        id = 0;
    }
}

// Every capture becomes the current screenshot and goes onto the clipboard, whatever its
// destination does with it.
void Hotkeys::HotkeyWindowProc(unsigned message, std::uintptr_t wParam) {
    if ((message == kWmTimer && wParam == kRetryTimerId) || message == kWmSettingChange) {
        RetryMissingKeys();
        return;
    }
    if (message != kWmHotkey) return;
    const HotkeyRow* row = RowForId(static_cast<int>(wParam));
    if (!row) return;
    if (row->grab == GrabKind::Region) {
        if (m_takeRegion) m_takeRegion();
        return;
    }
    if (PicturePtr shot = TakeShot(row->grab)) m_destinations.Deliver(*row->destination, std::move(shot));
}

void Hotkeys::RetryMissingKeys() {
    if (!m_hooked || m_suspended) return;
    for (std::size_t row : MissingRows()) {
        if (TryRegister(row)) DebugOutput(KeyText(m_choices[row]) + " works now");
    }
    UpdateRetryTimer();
}

PicturePtr Hotkeys::TakeShot(GrabKind grab, std::optional<WindowRef> window) {
    PicturePtr shot;
    if (grab == GrabKind::WholeScreen) {
        shot = m_engine.GrabScreenPicture();
    } else if (grab == GrabKind::ActiveWindow) {
        shot = window ? m_engine.GrabWindowPicture(*window) : m_engine.GrabActiveWindowPicture();
    }
    if (!shot) {
        m_messages.ShowError(UserText(TextId::ShotUnreadableMessage, m_settings.Language));
        return nullptr;
    }
    m_currentShot.Set(shot);
    if (!m_engine.CopyShotToClipboard()) DebugOutput("The screenshot could not be put on the clipboard.");
    return shot;
}

std::optional<KeyCombination> Hotkeys::WorkingKey(std::size_t row) const {
    if (row >= kHotkeyCount || !m_registered[row]) return std::nullopt;
    return m_choices[row];
}

const HotkeyRow* Hotkeys::RowForId(int id) const {
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (m_ids[row] != 0 && m_ids[row] == id) return &kHotkeyTable[row];
    }
    return nullptr;
}

void Hotkeys::Suspend() {
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (m_registered[row]) m_service.UnregisterHotKey(m_ids[row]);
        m_registered[row] = false;
    }
    m_suspended = true;
    UpdateRetryTimer();
}

// Keys that are missing now are taken when they come free, as at start, and not told again.
void Hotkeys::Resume() {
    m_suspended = false;
    if (!m_hooked) return;
    for (std::size_t row : MissingRows()) TryRegister(row);
    UpdateRetryTimer();
}

// A key left as it was is not refused when another program still holds it: it stays missing and is
// taken when it comes free. Plain Print Screen that Windows' own capture holds is asked about each
// time, changed or not, so that the user who said No at start can still agree here.
std::optional<std::size_t> Hotkeys::ChooseKeys(const KeyChoices& wanted) {
    const bool windowsCapture = m_service.PrintScreenOpensSystemCapture();
    std::vector<std::size_t> taken;
    std::vector<std::size_t> refused;  // changed, and held by another program than Windows' capture
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        const bool changed = wanted[row] != m_choices[row];
        const bool heldByWindows = windowsCapture && wanted[row] == kPrintScreen;
        if (wanted[row].IsOff() || !(changed || heldByWindows) || IsFree(row, wanted[row])) continue;
        taken.push_back(row);
        if (changed && !heldByWindows) refused.push_back(row);
    }
    if (!taken.empty()) {
        TakenKeys told;
        for (std::size_t row : taken) told.keys.push_back(wanted[row]);
        told.windowsCaptureHoldsPrintScreen = HeldByWindowsCapture(taken, wanted);
        // Only the key that Windows holds can be freed here; others are chosen anew.
        told.askToSwitchOffWindowsCapture = refused.empty();
        const std::string text = TakenKeysMessage(told, KeysTakenWhen::InKeysDialog, m_settings.Language);
        if (!refused.empty()) {
            m_messages.ShowError(text);
            return refused.front();
        }
        if (m_messages.AskYesNo(text)) {
            SwitchOffWindowsCapture();
        } else if (wanted[taken.front()] != m_choices[taken.front()]) {
            return taken.front();  // a new choice of Print Screen, which Windows keeps: choose again
        }
    }
    m_choices = wanted;
    SaveKeyChoices(m_store, m_choices);
    return std::nullopt;
}

bool Hotkeys::TryRegister(std::size_t row) {
    if (m_ids[row] == 0) m_ids[row] = m_service.AddAtom(kHotkeyTable[row].atomName);
    if (m_ids[row] == 0) {
        DebugOutput("No atom could be made for the key " + KeyText(m_choices[row]) + ".");
        return false;
    }
    m_registered[row] = m_service.RegisterHotKey(m_ids[row], m_choices[row].modifiers, m_choices[row].key);
    return m_registered[row];
}

// Tried under the row's own identifier and given back at once: the keys are suspended meanwhile.
bool Hotkeys::IsFree(std::size_t row, KeyCombination keys) {
    if (m_ids[row] == 0) m_ids[row] = m_service.AddAtom(kHotkeyTable[row].atomName);
    if (m_ids[row] == 0) return false;
    if (!m_service.RegisterHotKey(m_ids[row], keys.modifiers, keys.key)) return false;
    m_service.UnregisterHotKey(m_ids[row]);
    return true;
}

std::vector<std::size_t> Hotkeys::MissingRows() const {
    std::vector<std::size_t> missing;
    for (std::size_t row = 0; row < kHotkeyCount; ++row) {
        if (!m_choices[row].IsOff() && !m_registered[row]) missing.push_back(row);
    }
    return missing;
}

bool Hotkeys::HeldByWindowsCapture(const std::vector<std::size_t>& rows, const KeyChoices& keys) const {
    return std::any_of(rows.begin(), rows.end(), [&keys](std::size_t row) { return keys[row] == kPrintScreen; }) &&
           m_service.PrintScreenOpensSystemCapture();
}

// Windows lets go of the key in its own time: it is taken at once when it is free, else by the retry.
void Hotkeys::SwitchOffWindowsCapture() {
    if (!m_service.SwitchOffSystemCapture()) m_messages.ShowError(WindowsCaptureNotSwitchedOffMessage(m_settings.Language));
    RetryMissingKeys();
}

// The timer runs exactly while a chosen key is missing and the keys are not suspended: once all
// are held, nothing wakes the program.
void Hotkeys::UpdateRetryTimer() {
    const bool wanted = m_hooked && !m_suspended && !MissingRows().empty();
    if (wanted == m_timerRunning) return;
    if (wanted) {
        m_service.StartRetryTimer(kRetryMilliseconds);
    } else {
        m_service.StopRetryTimer();
    }
    m_timerRunning = wanted;
}

}  // namespace snapwright
