#pragma once

namespace snapwright {

// The controls of the dialog that asks whether an office program that is not running is started.
enum class StartApplicationControl {
    CaptionLabel,
    Question,
    OkButton,
    CancelButton,
};

}  // namespace snapwright
