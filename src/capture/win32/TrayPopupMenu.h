#pragma once
#include "platform/PopupMenu.h"
#include "ui/win32/PopupMenu.h"

namespace snapwright::win32 {

// The tray menu's popup menu: the program's owner-drawn win32::PopupMenu.
class TrayPopupMenu : public IPopupMenu {
public:
    void SetOwner(WindowRef owner) override;
    void SetFont(const std::string& face, int points) override;
    void Clear() override;
    int AddItem(const std::string& caption) override;
    void Store(const std::string& key) override;
    int ShowPopupAbsolute(int leftPixel, int topPixel) override;

private:
    PopupMenu m_menu;
};

}  // namespace snapwright::win32
