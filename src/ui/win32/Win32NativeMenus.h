#pragma once
#include "ui/NativeMenus.h"

namespace snapwright::win32 {

// The system's popup menus for the popup menu model.
class Win32NativeMenus : public INativeMenus {
public:
    MenuHandle CreatePopupMenu() override;
    void DestroyMenu(MenuHandle menu) override;
    bool IsMenu(MenuHandle menu) const override;
    bool AppendEntry(MenuHandle menu, const MenuEntry& entry) override;
    bool ModifyEntry(MenuHandle menu, int position, const MenuEntry& entry) override;
    bool SetEntryData(MenuHandle menu, int position, std::intptr_t data) override;
    std::string LastErrorText() const override;

private:
    void SetEntryText(MenuHandle menu, int position, const std::string& text);
};

}  // namespace snapwright::win32
