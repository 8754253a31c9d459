#pragma once
#include "save/freeimage/FreeImageCodec.h"

namespace snapwright::win32 {

// The image codec on Windows: pictures cross the device-bitmap bridge, and paths reach the
// library's Unicode file functions, so that any user name and any folder works.
class Win32FreeImageCodec : public FreeImageCodec {
public:
    CodecBitmap FromPicture(const Picture& picture) override;
    PicturePtr ToPicture(CodecBitmap bitmap) override;
    FileOutcome Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) override;

protected:
    std::FILE* OpenToRead(const std::string& path) override;
};

}  // namespace snapwright::win32
