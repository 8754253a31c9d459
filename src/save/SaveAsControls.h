#pragma once

namespace snapwright {

// The controls of the save dialog (SaveAsDialog).
enum class SaveAsControl {
    CaptionLabel,
    FormatFrame,
    FormatList,
    FileNameLabel,
    BrowseButton,
    ThumbnailBox,
    ThumbnailSlider,
    ThumbnailSizeLabel,
    OkButton,
    CancelButton,
};

}  // namespace snapwright
