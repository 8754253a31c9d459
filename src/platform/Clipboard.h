#pragma once
#include "platform/Picture.h"

namespace snapwright {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts a copy of the picture on it as a bitmap.
    virtual bool PutPicture(const Picture& picture) = 0;
};

}  // namespace snapwright
