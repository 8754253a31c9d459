#pragma once
#include <array>
#include <optional>
#include <string>

#include "platform/ImageCodec.h"

namespace snapwright {

// One of the five formats of the save dialog.
struct SaveFormat {
    const char* listText;    // its entry in the save dialog's FormatList
    const char* extension;   // lower case, with its dot
    const char* filter;      // for the system's save dialog: description|pattern
    CodecFormat codecFormat;  // of the main file and the thumbnail
    int saveFlags;
    bool mainFileByPicture;  // the picture writes the main file itself (BMP), not the codec
};

inline constexpr std::array<SaveFormat, 5> kSaveFormats = {{
    {"Bitmap (*.BMP)", ".bmp", "*.bmp (Bitmap)|*.bmp", CodecFormat::Bmp, 0, true},
    {"JPEG (*.JPG)", ".jpg", "*.jpg (JPEG-File)|*.jpg", CodecFormat::Jpeg, kJpegQuality90, false},
    {"Portable Network Graphic (*.PNG)", ".png", "*.png (Portable Network Graphic)|*.png", CodecFormat::Png, 0, false},
    {"TIFF-File (*.TIF)", ".tif", "*.tif (TIFF-File)|*.tif", CodecFormat::Tiff, 0, false},
    {"Multiple Network Graphics (*.MNG)", ".mng", "*.mng (Multiple Network Graphics)|*.mng", CodecFormat::Mng, 0,
     false},
}};

inline constexpr int kPngFormatIndex = 2;  // preselected when the dialog opens

// The format a list text names by its last seven characters ("(*.PNG)"), in any case.
std::optional<int> FormatIndexForListText(const std::string& listText);
// The format of an extension such as ".png", in any case; null for any other.
const SaveFormat* FormatForExtension(const std::string& extension);

// A filter of "|"-separated texts as the system's file dialogs take it: NUL-separated, ending
// in two NULs.
std::string SystemFilterList(const std::string& filter);

}  // namespace snapwright
