#pragma once
#include <cstdint>
#include <string>

namespace snapwright {

// Global hotkeys on the main window, identified by global atoms.
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
    // Whether the system itself opens its screen capture on the Print Screen key.
    virtual bool PrintScreenOpensSystemCapture() const = 0;
};

}  // namespace snapwright
