#pragma once
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the about box (AboutDialog).
enum class AboutControl {
    CaptionLabel,
    Logo,
    MailIcon,
    TitleLabel,
    VersionText,
    CopyrightLabel,
    DisclaimerLabel,
    Separator,
    CreditsButton,
    UpdateButton,
    OkButton,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kAboutTexts[] = {
    {AboutControl::CaptionLabel, TextId::AboutCaption},
    {AboutControl::Logo, kNoText},  // a picture
    {AboutControl::MailIcon, kNoText},  // a picture
    {AboutControl::TitleLabel, kNoText},  // the program's name
    {AboutControl::VersionText, kNoText},  // set by the program
    {AboutControl::CopyrightLabel, TextId::AboutCopyright},
    {AboutControl::DisclaimerLabel, TextId::AboutDisclaimer},
    {AboutControl::Separator, kNoText},  // a line
    {AboutControl::CreditsButton, TextId::CreditsButton},
    {AboutControl::UpdateButton, TextId::UpdateButton},
    {AboutControl::OkButton, TextId::OkButton},
};
static_assert(ListsEveryControl<AboutControl, kAboutTexts>());

}  // namespace snapwright
