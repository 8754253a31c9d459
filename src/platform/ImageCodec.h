#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Picture.h"

namespace snapwright {

// A bitmap of the image codec, by its opaque handle; 0 is none. Whoever receives one owns it and
// gives it back with Unload.
using CodecBitmap = std::uintptr_t;

// The codec's format numbers, which its library fixes.
enum class CodecFormat : int {
    Unknown = -1,
    Bmp = 0,
    Jpeg = 2,
    Mng = 6,
    Png = 13,
    Tiff = 18,
};

// What an image file's header says of its picture, read before any pixel is decoded.
struct ImageHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

inline constexpr int kJpegQuality90 = 90;  // save flags of JPEG: the quality on a 0..100 scale
inline constexpr int kRescaleBilinear = 2;

// The image codec (FreeImage): encodes and decodes image files and converts and scales its own
// bitmaps. Initialise before and DeInitialise after each export or load.
class IImageCodec {
public:
    virtual ~IImageCodec() = default;
    virtual void Initialise() = 0;
    virtual void DeInitialise() = 0;

    // A 32-bit codec bitmap of the picture's pixels.
    virtual CodecBitmap FromPicture(const Picture& picture) = 0;
    // A picture of the platform made from a codec bitmap; null on failure.
    virtual PicturePtr ToPicture(CodecBitmap bitmap) = 0;
    virtual CodecBitmap ConvertTo24Bits(CodecBitmap bitmap) = 0;
    virtual CodecBitmap Rescale(CodecBitmap bitmap, int width, int height, int filter) = 0;
    virtual int Width(CodecBitmap bitmap) const = 0;
    virtual int Height(CodecBitmap bitmap) const = 0;
    virtual void Unload(CodecBitmap bitmap) = 0;

    virtual FileOutcome Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) = 0;
    // The encoded file in memory; empty on failure.
    virtual std::vector<std::uint8_t> SaveToMemory(CodecFormat format, CodecBitmap bitmap, int flags) = 0;
    // The format of a file by its contents (Unknown when it is none the codec reads).
    virtual CodecFormat GetFileType(const std::string& path) = 0;
    // The header of a file of a known format, read without its pixels; nothing when it is unreadable.
    virtual std::optional<ImageHeader> ReadHeader(CodecFormat format, const std::string& path) = 0;
    // The decoded picture; 0 when it could not be decoded whole (a damaged or cut-off file).
    virtual CodecBitmap Load(CodecFormat format, const std::string& path, int flags) = 0;
};

}  // namespace snapwright
