#pragma once
#include "lang/ControlTexts.h"

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
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kSaveAsTexts[] = {
    {SaveAsControl::CaptionLabel, TextId::SaveAsCaption},
    {SaveAsControl::FormatFrame, TextId::FileFormatFrame},
    {SaveAsControl::FormatList, kNoText},  // file-format names
    {SaveAsControl::FileNameLabel, kNoText},  // the file's path
    {SaveAsControl::BrowseButton, kNoText},  // "..." in every language
    {SaveAsControl::ThumbnailBox, TextId::ThumbnailBox},
    {SaveAsControl::ThumbnailSlider, kNoText},  // a slider
    {SaveAsControl::ThumbnailSizeLabel, kNoText},  // a size in pixels
    {SaveAsControl::OkButton, TextId::OkButton},
    {SaveAsControl::CancelButton, TextId::CancelButton},
};
static_assert(ListsEveryControl<SaveAsControl, kSaveAsTexts>());

}  // namespace snapwright
