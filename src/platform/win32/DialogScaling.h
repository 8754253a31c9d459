#pragma once
#include <windows.h>

#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A dialog moved onto a monitor of another scale: its children's places and the font of its
// template, taken to the new scale so that nothing is blurred or cut off.
class DialogScaling {
public:
    struct ChildPlace {
        HWND child;
        RECT rect;  // in the dialog's client pixels
    };

    // Read before the fonts change: a drop-down list fits its height to a new font, and its window
    // reaches down over its open list.
    static std::vector<ChildPlace> ChildPlaces(HWND dialog);
    static void MoveChildren(const std::vector<ChildPlace>& places, int dpi, int previous);
    // The children that wear the template's font (or our last copy of it) get a copy at the scale.
    void RescaleTemplateFont(HWND dialog, int dpi, int previous);
    // The dialog and its children have gone.
    void Reset() { m_templateFont.reset(); }

private:
    UniqueHfont m_templateFont;  // the template's font at a scale it was not made for
};

}  // namespace snapwright::win32
