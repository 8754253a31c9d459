#pragma once
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the dialog that asks where a screenshot goes.
enum class AskApplicationControl {
    CaptionLabel,
    ChoiceFrame,
    WordProcessor,
    Spreadsheet,
    Presentation,
    Editor,
    OkButton,
    CancelButton,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kAskApplicationTexts[] = {
    {AskApplicationControl::CaptionLabel, TextId::AskApplicationCaption},
    {AskApplicationControl::ChoiceFrame, TextId::AskApplicationFrame},
    {AskApplicationControl::WordProcessor, kNoText},  // the program's name
    {AskApplicationControl::Spreadsheet, kNoText},  // the program's name
    {AskApplicationControl::Presentation, kNoText},  // the program's name
    {AskApplicationControl::Editor, TextId::SendToEditorOption},
    {AskApplicationControl::OkButton, TextId::OkButton},
    {AskApplicationControl::CancelButton, TextId::CancelButton},
};
static_assert(ListsEveryControl<AskApplicationControl, kAskApplicationTexts>());

}  // namespace snapwright
