#pragma once
#include <string>

#include "platform/FileSystem.h"
#include "platform/Picture.h"

namespace snapwright {

// Writes a picture by itself as a Windows bitmap file (.bmp), without the image codec.
class IBitmapFileWriter {
public:
    virtual ~IBitmapFileWriter() = default;
    virtual FileOutcome SaveBitmapFile(const Picture& picture, const std::string& path) = 0;
};

}  // namespace snapwright
