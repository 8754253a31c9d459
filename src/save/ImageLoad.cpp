#include "save/ImageLoad.h"

namespace snapwright {

PicturePtr LoadPictureFile(IImageCodec& codec, const std::string& path) {
    codec.Initialise();
    PicturePtr picture;
    const CodecFormat format = codec.GetFileType(path);
    if (format != CodecFormat::Unknown) {
        if (const CodecBitmap bitmap = codec.Load(format, path, 0)) {
            picture = codec.ToPicture(bitmap);
            codec.Unload(bitmap);
        }
    }
    codec.DeInitialise();
    return picture;
}

}  // namespace snapwright
