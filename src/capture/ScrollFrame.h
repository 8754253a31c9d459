#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/Picture.h"

namespace snapwright {

// Rows of 24-bit pixels (blue, green, red, as Windows keeps them) that another owner holds, from
// the top row down: rows lie `stride` bytes apart, a negative stride for rows stored bottom-up.
struct PixelRows {
    const std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    const std::uint8_t* Row(int y) const { return top + stride * y; }
};

// The picture a scrolling capture grows into, from the top row down: it takes rows up to its
// capacity, and becomes a picture of the rows written when the capture ends. Its rows are of the
// same layout as PixelRows; a row not written is black.
class ITallPicture {
public:
    virtual ~ITallPicture() = default;
    virtual int Width() const = 0;
    virtual int Capacity() const = 0;
    virtual std::uint8_t* Row(int y) = 0;
    // The picture of the first `height` rows; null when the system made none. The rows are the
    // picture's from then on: nothing is written after this.
    virtual PicturePtr Finish(int height) = 0;
};

}  // namespace snapwright
