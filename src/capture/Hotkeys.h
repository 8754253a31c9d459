#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/HotkeyTable.h"
#include "capture/ShotDestinations.h"
#include "platform/HotkeyService.h"
#include "platform/UserMessages.h"

namespace snapwright {

// The text that tells the user which hotkeys another program holds.
std::string TakenHotkeysMessage(const std::vector<const HotkeyRow*>& taken, bool systemCaptureOnPrintScreen);
// The text that tells the user that the region key is taken and where regions are still taken.
std::string TakenRegionHotkeyMessage();

// The six Print Screen hotkeys and the sequence each one runs: grab, current screenshot, clipboard,
// destination; and beside them the region key, which runs the region capture.
class Hotkeys {
public:
    Hotkeys(IHotkeyService& service, IUserMessages& messages, CaptureEngine& engine, CurrentShot& currentShot,
            ShotDestinations& destinations);

    // What Ctrl+Shift+Print Screen does; without it that key is left alone.
    void SetRegionCapture(std::function<void()> takeRegion) { m_takeRegion = std::move(takeRegion); }

    // False when the program cannot run: the user has been told why and nothing stays registered.
    // The region key is an extra: when it is taken, the user is told and the program runs.
    bool RegisterHotkeys();
    void UnregisterHotkeys();

    // The main window's WM_HOTKEY, with the identifier that arrived in wParam.
    void HotkeyWindowProc(unsigned message, std::uintptr_t wParam);
    // The screen or the window in front, as the hotkey asks; null when no picture was made.
    PicturePtr CaptureForHotkey(int id);

    const HotkeyRow* RowForId(int id) const;

private:
    void RegisterRegionHotkey();

    IHotkeyService& m_service;
    IUserMessages& m_messages;
    CaptureEngine& m_engine;
    CurrentShot& m_currentShot;
    ShotDestinations& m_destinations;
    std::array<std::uint16_t, kHotkeyTable.size()> m_ids{};
    std::array<bool, kHotkeyTable.size()> m_registered{};
    bool m_hooked = false;
    std::function<void()> m_takeRegion;
    std::uint16_t m_regionId = 0;
};

}  // namespace snapwright
