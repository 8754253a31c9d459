#pragma once

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
};

}  // namespace snapwright
