#pragma once
#include <string>

#include "platform/ImageCodec.h"

namespace snapwright {

// The picture of an image file in any format the codec reads; null when it reads none.
PicturePtr LoadPictureFile(IImageCodec& codec, const std::string& path);

}  // namespace snapwright
