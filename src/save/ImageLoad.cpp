#include "save/ImageLoad.h"

namespace snapwright {

LoadedPicture LoadPictureFile(IImageCodec& codec, const std::string& path) {
    codec.Initialise();
    LoadedPicture loaded;
    const CodecFormat format = codec.GetFileType(path);
    if (format == CodecFormat::Unknown) {
        loaded.reason = "The file is not a picture in a format Snapwright reads (BMP, JPEG, PNG, MNG, TIFF), or it "
                        "cannot be read.";
    } else if (const CodecBitmap bitmap = codec.Load(format, path, 0)) {
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
    } else {
        loaded.reason = "The picture in the file could not be read; the file may be damaged.";
    }
    codec.DeInitialise();
    return loaded;
}

}  // namespace snapwright
