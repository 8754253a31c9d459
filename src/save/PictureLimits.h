#pragma once
#include <cstdint>
#include <optional>

#include "lang/UserText.h"
#include "platform/ImageCodec.h"

namespace snapwright {

// The longest side, in pixels, of a picture the editor opens. Screens of several monitors and the
// photos of today's cameras stay below it; a header that claims more is a damaged or hostile file.
inline constexpr int kMaxPictureSide = 16384;

// The memory that loading a picture of this header takes at once: the decoded bitmap at the file's
// own depth, its 24-bit copy and the device bitmap of 32 bits a pixel.
std::uint64_t BytesToLoad(const ImageHeader& header);

// Why a picture of this header is not loaded when `availableBytes` is what the program can get;
// nothing when it may be loaded.
std::optional<Message> PictureRefusal(const ImageHeader& header, std::uint64_t availableBytes);

}  // namespace snapwright
