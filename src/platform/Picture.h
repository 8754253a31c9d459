#pragma once
#include <memory>

namespace snapwright {

// A screenshot or any other picture: owns its pixels (on Windows a bitmap and an optional
// palette) and frees them when the last owner lets go. A picture never changes once made: an
// edit makes a new one.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;   // pixels
    virtual int Height() const = 0;  // pixels
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace snapwright
