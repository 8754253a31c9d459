#pragma once

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
};

}  // namespace snapwright
