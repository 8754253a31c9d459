#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CaptureSlots.h"
#include "capture/HotkeyTable.h"
#include "capture/ShotDestinations.h"
#include "platform/HotkeyService.h"
#include "platform/UserMessages.h"
#include "settings/Settings.h"

namespace snapwright {

// The text that tells the user which hotkeys another program holds.
std::string TakenHotkeysMessage(const std::vector<const HotkeyRow*>& taken, bool systemCaptureOnPrintScreen);

// The six Print Screen hotkeys and the sequence each one runs: slot, grab, clipboard, destination.
class Hotkeys {
public:
    Hotkeys(IHotkeyService& service, IUserMessages& messages, CaptureEngine& engine, CaptureSlots& slots,
            const Settings& settings, IShotDestinations& destinations);

    // False when the program cannot run: the user has been told why and nothing stays registered.
    bool RegisterHotkeys();
    void UnregisterHotkeys();

    // The main window's WM_HOTKEY, with the identifier that arrived in wParam.
    void HotkeyWindowProc(unsigned message, std::uintptr_t wParam);
    // Grabs into the slot for a new capture; false (slots untouched) when no picture was made.
    bool CaptureForHotkey(int id);
    void DispatchSend();

    const HotkeyRow* RowForId(int id) const;

private:
    IHotkeyService& m_service;
    IUserMessages& m_messages;
    CaptureEngine& m_engine;
    CaptureSlots& m_slots;
    const Settings& m_settings;
    IShotDestinations& m_destinations;
    std::array<std::uint16_t, kHotkeyTable.size()> m_ids{};
    std::array<bool, kHotkeyTable.size()> m_registered{};
    bool m_hooked = false;
};

}  // namespace snapwright
