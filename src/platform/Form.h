#pragma once
#include <string>

#include "platform/Geometry.h"

namespace snapwright {

// The generic face of a window, as its presenter sees it. Every window has its own control
// enum; presenters pass its values as ControlId. Geometry is in twips.
using ControlId = int;

// The window itself, for SetText and Text: its own title, which the taskbar, Alt+Tab and screen
// readers show.
inline constexpr ControlId kWindowTitle = -2;

class IForm {
public:
    virtual ~IForm() = default;

    virtual void SetText(ControlId control, const std::string& text) = 0;
    virtual std::string Text(ControlId control) const = 0;
    virtual void SetFontName(ControlId control, const std::string& face) = 0;
    virtual void SetFontSize(ControlId control, int points) = 0;
    virtual void SetChecked(ControlId control, bool checked) = 0;
    virtual bool Checked(ControlId control) const = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual void SetBounds(ControlId control, const Rect& twips) = 0;
    virtual Rect Bounds(ControlId control) const = 0;
    virtual void ClearList(ControlId control) = 0;
    virtual void AddListItem(ControlId control, const std::string& text) = 0;
    virtual void SetListIndex(ControlId control, int index) = 0;  // -1 selects nothing
    virtual int ListIndex(ControlId control) const = 0;
    // Puts the keyboard focus on a control of a window that is shown.
    virtual void SetFocus(ControlId /*control*/) {}

    virtual void ShowModal() = 0;
    virtual void Show() = 0;  // without a modal loop
    virtual void Hide() = 0;
    virtual void Unload() = 0;
};

template <typename Control>
constexpr ControlId Id(Control control) {
    return static_cast<ControlId>(control);
}

}  // namespace snapwright
