#pragma once
#include <cstddef>

#include "lang/ControlTexts.h"
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
    TextSizeLabel,  // in the strength's place while the text tool is active
    TextSizeList,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h): a button's is its name, which screen readers
// and automation read though the button shows a picture.
inline constexpr ControlText kEditorTexts[] = {
    {EditorControl::View, kNoText},  // the picture
    {EditorControl::HorizontalScroll, kNoText},  // a scroll bar
    {EditorControl::VerticalScroll, kNoText},  // a scroll bar
    {EditorControl::StrengthLabel, TextId::EditorStrengthLabel},
    {EditorControl::StrengthList, kNoText},  // sizes in pixels
    {EditorControl::ColourButton, TextId::EditorColourButton},
    {EditorControl::HelpButton, TextId::EditorHelpButton},
    {EditorControl::TextSizeLabel, TextId::EditorTextSizeLabel},
    {EditorControl::TextSizeList, kNoText},  // sizes in pixels
};
static_assert(ListsEveryControl<EditorControl, kEditorTexts>());

// The tooltip of each control; the toolbar buttons' are in their table (Editor::Editor).
inline constexpr ControlText kEditorTips[] = {
    {EditorControl::View, kNoText},
    {EditorControl::HorizontalScroll, kNoText},
    {EditorControl::VerticalScroll, kNoText},
    {EditorControl::StrengthLabel, kNoText},  // its list has one
    {EditorControl::StrengthList, TextId::EditorStrengthTip},
    {EditorControl::ColourButton, TextId::EditorColourTip},
    {EditorControl::HelpButton, TextId::EditorHelpButton},
    {EditorControl::TextSizeLabel, kNoText},  // its list has one
    {EditorControl::TextSizeList, TextId::EditorTextSizeTip},
};
static_assert(ListsEveryControl<EditorControl, kEditorTips>());

// The toolbar's buttons follow, in the order of the toolbar.
inline constexpr ControlId kFirstToolbarControl = 100;
constexpr ControlId ToolbarControl(std::size_t index) {
    return kFirstToolbarControl + static_cast<ControlId>(index);
}

}  // namespace snapwright
