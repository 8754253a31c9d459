#pragma once
#include <windows.h>

#include <functional>
#include <map>

#include "platform/Form.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// The fonts that a form gives its controls: for each control a description, begun from the font
// the control wears when it is first changed, and the font made from it, which lives as long as
// the control may use it.
class ControlFonts {
public:
    // Changes a control's description and gives the control the font made from it.
    void Change(ControlId control, HWND item, const std::function<void(LOGFONTW&)>& change);
    // Every description at another scale, given again to its control.
    void Rescale(int dpi, int previous, const std::function<HWND(ControlId)>& itemOf);
    // The controls have gone with their window.
    void Clear();

private:
    void Apply(ControlId control, HWND item);

    std::map<ControlId, LOGFONTW> m_descriptions;
    std::map<ControlId, UniqueHfont> m_fonts;
};

}  // namespace snapwright::win32
