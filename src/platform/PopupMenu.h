#pragma once
#include <string>

#include "platform/Geometry.h"

namespace snapwright {

// What the tray menu needs of a popup menu: items added in order (1-based indexes), shown at a
// screen position, answering with the chosen item's index or 0.
class IPopupMenu {
public:
    virtual ~IPopupMenu() = default;
    virtual void SetOwner(WindowRef owner) = 0;
    virtual void SetFont(const std::string& face, int points) = 0;
    virtual void Clear() = 0;
    virtual int AddItem(const std::string& caption) = 0;
    virtual void Store(const std::string& key) = 0;
    virtual int ShowPopupAbsolute(int leftPixel, int topPixel) = 0;
};

}  // namespace snapwright
