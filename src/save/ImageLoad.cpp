#include "save/ImageLoad.h"

#include <optional>

#include "save/PictureLimits.h"

namespace snapwright {

namespace {

constexpr const char* kDamaged = "The picture in the file could not be read; the file may be damaged.";

// The picture of the file, or the reason why there is none.
LoadedPicture Decode(IImageCodec& codec, const std::string& path, std::uint64_t availableBytes) {
    const CodecFormat format = codec.GetFileType(path);
    if (format == CodecFormat::Unknown) {
        return {nullptr, "The file is not a picture in a format Snapwright reads (BMP, JPEG, PNG, MNG, TIFF), or it "
                         "cannot be read."};
    }
    const std::optional<ImageHeader> header = codec.ReadHeader(format, path);
    if (!header) return {nullptr, kDamaged};
    if (std::string refusal = PictureRefusal(*header, availableBytes); !refusal.empty()) {
        return {nullptr, std::move(refusal)};
    }
    const CodecBitmap bitmap = codec.Load(format, path, 0);
    if (!bitmap) return {nullptr, kDamaged};
    LoadedPicture loaded;
    // Files with 16 bits a sample or with colours in a palette become pictures of the display
    // only by way of 24-bit colour.
    if (const CodecBitmap rgb = codec.ConvertTo24Bits(bitmap)) {
        loaded.picture = codec.ToPicture(rgb);
        codec.Unload(rgb);
        if (!loaded.picture) loaded.reason = "There is not enough memory to show a picture of this size.";
    } else {
        loaded.reason = "Snapwright cannot show the kind of picture in the file (its colours are not stored as "
                        "whole numbers, for example).";
    }
    codec.Unload(bitmap);
    return loaded;
}

}  // namespace

LoadedPicture LoadPictureFile(IImageCodec& codec, const std::string& path, std::uint64_t availableBytes) {
    codec.Initialise();
    LoadedPicture loaded = Decode(codec, path, availableBytes);
    codec.DeInitialise();
    return loaded;
}

}  // namespace snapwright
