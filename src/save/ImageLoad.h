#pragma once
#include <string>

#include "platform/ImageCodec.h"

namespace snapwright {

// A picture read from a file, or in words why none could be read.
struct LoadedPicture {
    PicturePtr picture;
    std::string reason;
};

// The picture of an image file in any format the codec reads.
LoadedPicture LoadPictureFile(IImageCodec& codec, const std::string& path);

}  // namespace snapwright
