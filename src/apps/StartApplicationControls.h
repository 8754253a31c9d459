#pragma once
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the dialog that asks whether an office program that is not running is started.
enum class StartApplicationControl {
    CaptionLabel,
    Question,
    OkButton,
    CancelButton,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kStartApplicationTexts[] = {
    {StartApplicationControl::CaptionLabel, TextId::NotRunningCaption},
    {StartApplicationControl::Question, TextId::NotRunningQuestion},
    {StartApplicationControl::OkButton, TextId::OkButton},
    {StartApplicationControl::CancelButton, TextId::CancelButton},
};
static_assert(ListsEveryControl<StartApplicationControl, kStartApplicationTexts>());

}  // namespace snapwright
