#pragma once
#include "platform/Picture.h"

namespace snapwright {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts the picture on it. The clipboard keeps what it was given:
    // pictures never change once made, so later captures and edits leave it as it was put.
    virtual bool PutPicture(PicturePtr picture) = 0;
};

}  // namespace snapwright
