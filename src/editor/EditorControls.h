#pragma once
#include <cstddef>

#include "platform/Form.h"

namespace snapwright {

// The controls of the screenshot editor besides its toolbar buttons.
enum class EditorControl {
    View,
    HorizontalScroll,
    VerticalScroll,
    StrengthLabel,
    StrengthList,
    ColourButton,
    HelpButton,
    Notice,
};

// The toolbar's buttons follow, in the order of the toolbar.
inline constexpr ControlId kFirstToolbarControl = 100;
constexpr ControlId ToolbarControl(std::size_t index) {
    return kFirstToolbarControl + static_cast<ControlId>(index);
}

}  // namespace snapwright
