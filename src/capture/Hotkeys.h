#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/HotkeyTable.h"
#include "capture/ShotDestinations.h"
#include "model/Settings.h"
#include "platform/HotkeyService.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"

namespace snapwright {

inline constexpr unsigned kWmTimer = 0x0113;
inline constexpr unsigned kWmSettingChange = 0x001A;
// How often the program tries again to take keys that other programs hold, while any is missing.
inline constexpr unsigned kRetryMilliseconds = 5000;

// The seven system-wide keys, on the keys the user chose, and the sequence each one runs: grab,
// current screenshot, clipboard, destination; the region key runs the region capture. A key that
// another program holds is missing: the program runs without it, says so once, and takes it as
// soon as it comes free.
class Hotkeys {
public:
    Hotkeys(IHotkeyService& service, IUserMessages& messages, CaptureEngine& engine, CurrentShot& currentShot,
            ShotDestinations& destinations, ISettingsStore& store, const Settings& settings);

    // What the region key does.
    void SetRegionCapture(std::function<void()> takeRegion) { m_takeRegion = std::move(takeRegion); }

    // Reads the chosen keys and takes those that are free. False only when the program cannot run
    // at all (the hotkey procedure could not be set up); the user has been told.
    bool RegisterHotkeys();
    // Tells the user once which keys are missing; for plain Print Screen held by Windows' own
    // screen capture, asks whether to switch that off.
    void TellTakenKeys();
    void UnregisterHotkeys();

    // The main window's messages: WM_HOTKEY with the identifier in wParam, the retry timer's tick,
    // and the system's announcement of a changed setting.
    void HotkeyWindowProc(unsigned message, std::uintptr_t wParam);
    // Tries to take the missing keys, silently; also when the tray menu opens.
    void RetryMissingKeys();

    // The screen, or the window given (the one in front when none is), as the current screenshot and
    // on the clipboard; null when no picture was made (the user has been told).
    PicturePtr TakeShot(GrabKind grab, std::optional<WindowRef> window = std::nullopt);

    const KeyChoices& Choices() const { return m_choices; }
    // The key of a row (index into the table) when it works: chosen and held.
    std::optional<KeyCombination> WorkingKey(std::size_t row) const;
    const HotkeyRow* RowForId(int id) const;

    // While the keys dialog is open, the program's own keys are given back, so that they reach the
    // dialog's key fields.
    void Suspend();
    void Resume();
    // The keys of the dialog, while suspended. Rows whose key changed are tried: a key that another
    // program holds is named and refused (the row's index comes back, nothing is changed), unless it
    // is plain Print Screen held by Windows' own capture and the user agrees to switch that off.
    // Accepted keys are stored, and taken when the keys resume.
    std::optional<std::size_t> ChooseKeys(const KeyChoices& wanted);

private:
    bool TryRegister(std::size_t row);
    bool IsFree(std::size_t row, KeyCombination keys);
    std::vector<std::size_t> MissingRows() const;
    bool HeldByWindowsCapture(const std::vector<std::size_t>& rows, const KeyChoices& keys) const;
    void SwitchOffWindowsCapture();
    void UpdateRetryTimer();

    IHotkeyService& m_service;
    IUserMessages& m_messages;
    CaptureEngine& m_engine;
    CurrentShot& m_currentShot;
    ShotDestinations& m_destinations;
    ISettingsStore& m_store;
    const Settings& m_settings;
    KeyChoices m_choices = DefaultKeyChoices();
    std::array<std::uint16_t, kHotkeyCount> m_ids{};
    std::array<bool, kHotkeyCount> m_registered{};
    bool m_hooked = false;
    bool m_suspended = false;
    bool m_timerRunning = false;
    std::function<void()> m_takeRegion;
};

}  // namespace snapwright
