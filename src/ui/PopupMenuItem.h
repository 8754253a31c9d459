#pragma once
#include <cstdint>
#include <string>

#include "ui/NativeMenus.h"

namespace snapwright {

// One item of a popup menu, as the menu keeps it.
struct PopupMenuItem {
    std::string helpText;
    std::string caption;         // as passed
    std::string displayCaption;  // markers taken out, shortcut split off; "-" for a separator
    std::string shortcut;
    std::string accelerator;
    std::uintptr_t itemId = 0;    // the command identifier of the native entry
    std::uintptr_t lookupId = 0;  // the item id, or the sub-menu of an item that has children
    std::intptr_t itemData = 0;
    std::uintptr_t parentId = 0;  // lookup id of the parent, 0 at top level
    int iconIndex = -1;
    MenuHandle menu = 0;     // the native menu that holds the entry, 0 when it has none
    MenuHandle subMenu = 0;  // the native menu of its children, 0 when it has none
    int height = 0;          // pixels
    std::string key;
    int parentIndex = 0;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool header = false;
    bool separator = false;
    bool columnBreakWithBar = false;
    bool columnBreak = false;
    bool infrequentlyUsed = false;
    bool radioCheck = false;
    bool showCheckAndIcon = false;
    bool redisplayOnClick = false;
    bool isDefault = false;
    bool ownerDraw = false;
};

}  // namespace snapwright
