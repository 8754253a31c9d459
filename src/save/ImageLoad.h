#pragma once
#include <cstdint>
#include <string>

#include "lang/UserText.h"
#include "platform/ImageCodec.h"

namespace snapwright {

// A picture read from a file, or why none could be read.
struct LoadedPicture {
    PicturePtr picture;
    Message reason{TextId::DamagedPictureReason};  // when there is no picture
};

// The picture of an image file in any format the codec reads. Its header is read first: a picture
// beyond the size limit, or one whose decoding would take more than `availableBytes`, is refused
// before any of its pixels are.
LoadedPicture LoadPictureFile(IImageCodec& codec, const std::string& path, std::uint64_t availableBytes);

}  // namespace snapwright
