#pragma once

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
};

}  // namespace snapwright
