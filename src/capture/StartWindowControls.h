#pragma once
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the start window, which TrayProgram presents.
enum class StartWindowControl {
    OkButton,
    ShowAtStartupBox,
    ProgramIcon,
    Banner,
    OptionsHint,
    TitleLabel,
    StartPicture,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kStartWindowTexts[] = {
    {StartWindowControl::OkButton, TextId::OkButton},
    {StartWindowControl::ShowAtStartupBox, TextId::ShowAtStartupBox},
    {StartWindowControl::ProgramIcon, kNoText},  // a picture
    {StartWindowControl::Banner, kNoText},  // a picture
    {StartWindowControl::OptionsHint, TextId::StartOptionsHint},  // {item}: the tray menu's options item
    {StartWindowControl::TitleLabel, kNoText},  // the program's name and version
    {StartWindowControl::StartPicture, kNoText},  // a picture
};
static_assert(ListsEveryControl<StartWindowControl, kStartWindowTexts>());

}  // namespace snapwright
