#include "save/ImageLoad.h"

#include <optional>

#include "save/PictureLimits.h"

namespace snapwright {

namespace {

// The picture of the file, or the reason why there is none.
LoadedPicture Decode(IImageCodec& codec, const std::string& path, std::uint64_t availableBytes) {
    const CodecFormat format = codec.GetFileType(path);
    if (format == CodecFormat::Unknown) {
        return {nullptr, {TextId::NotAPictureFileReason}};
    }
    const std::optional<ImageHeader> header = codec.ReadHeader(format, path);
    if (!header) return {nullptr, {TextId::DamagedPictureReason}};
    if (std::optional<Message> refusal = PictureRefusal(*header, availableBytes)) return {nullptr, std::move(*refusal)};
    const CodecBitmap bitmap = codec.Load(format, path, 0);
    if (!bitmap) return {nullptr, {TextId::DamagedPictureReason}};
    LoadedPicture loaded;
    // Files with 16 bits a sample or with colours in a palette become pictures of the display
    // only by way of 24-bit colour.
    if (const CodecBitmap rgb = codec.ConvertTo24Bits(bitmap)) {
        loaded.picture = codec.ToPicture(rgb);
        codec.Unload(rgb);
        if (!loaded.picture) loaded.reason = {TextId::NoMemoryForPictureReason};
    } else {
        loaded.reason = {TextId::UnsupportedPictureReason};
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
