#pragma once
#include <cstdint>
#include <string>

namespace snapwright {

// Global hotkeys on the main window, identified by global atoms; the system's own use of the Print
// Screen key; and a timer for trying again to take keys that other programs hold.
class IHotkeyService {
public:
    virtual ~IHotkeyService() = default;
    // A global atom for the name (0 when none could be made).
    virtual std::uint16_t AddAtom(const std::string& name) = 0;
    virtual void DeleteAtom(std::uint16_t atom) = 0;
    virtual bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) = 0;
    virtual void UnregisterHotKey(int id) = 0;
    // Lets the hotkey messages of the main window reach the program, and stops it.
    virtual bool InstallHook() = 0;
    virtual void RemoveHook() = 0;
    // Whether the system itself opens its screen capture on the Print Screen key (a setting of the
    // user), and switching that setting off; false when it could not be written.
    virtual bool PrintScreenOpensSystemCapture() const = 0;
    virtual bool SwitchOffSystemCapture() = 0;
    // While it runs, the hotkey procedure receives a timer message with kRetryTimerId.
    virtual void StartRetryTimer(unsigned milliseconds) = 0;
    virtual void StopRetryTimer() = 0;
};

inline constexpr std::uintptr_t kRetryTimerId = 0x5357;  // "SW"

}  // namespace snapwright
