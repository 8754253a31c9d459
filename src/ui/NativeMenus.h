#pragma once
#include <cstdint>
#include <string>

namespace snapwright {

// A native popup menu (0 = none).
using MenuHandle = std::uintptr_t;

// The entry flags of a native menu, with the values the system gives them.
inline constexpr std::uint32_t kMenuGrayed = 0x0001;
inline constexpr std::uint32_t kMenuChecked = 0x0008;
inline constexpr std::uint32_t kMenuPopup = 0x0010;
inline constexpr std::uint32_t kMenuBarBreak = 0x0020;
inline constexpr std::uint32_t kMenuBreak = 0x0040;
inline constexpr std::uint32_t kMenuOwnerDraw = 0x0100;
inline constexpr std::uint32_t kMenuByPosition = 0x0400;
inline constexpr std::uint32_t kMenuSeparator = 0x0800;

// One entry: its flags, its command identifier (the sub-menu for a pop-up entry) and the
// owner-draw data handed back with every measuring and drawing message.
struct MenuEntry {
    std::uint32_t flags = 0;
    std::uintptr_t id = 0;
    std::intptr_t data = 0;
    // The entry's text, kept beside the drawing so that screen readers and other programs can
    // read an owner-drawn menu; empty for separators.
    std::string text;
};

// The system's popup menus, as the popup menu model builds them.
class INativeMenus {
public:
    virtual ~INativeMenus() = default;
    // 0 when no menu could be made.
    virtual MenuHandle CreatePopupMenu() = 0;
    // Destroys a menu with the sub-menus attached to it.
    virtual void DestroyMenu(MenuHandle menu) = 0;
    virtual bool IsMenu(MenuHandle menu) const = 0;
    virtual bool AppendEntry(MenuHandle menu, const MenuEntry& entry) = 0;
    // Rewrites the entry at `position` (0-based) of `menu`.
    virtual bool ModifyEntry(MenuHandle menu, int position, const MenuEntry& entry) = 0;
    virtual bool SetEntryData(MenuHandle menu, int position, std::intptr_t data) = 0;
    // The system's text for the last failure.
    virtual std::string LastErrorText() const = 0;
};

}  // namespace snapwright
