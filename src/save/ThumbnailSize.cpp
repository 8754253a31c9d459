#include "save/ThumbnailSize.h"

#include <cmath>
#include <cstdint>

namespace snapwright {

namespace {
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));  // the default rounding mode: halves to even
}
}  // namespace

ThumbSize ThumbnailSize(int percent, int widthPx, float heightPx) {
    if (widthPx <= 0 || heightPx <= 0) return {};
    const double aspectRatio = static_cast<double>(widthPx) / static_cast<double>(heightPx);
    ThumbSize size;
    if (widthPx > heightPx) {
        // The product is a whole number; formed in 64 bits, no screen width can overflow it.
        const std::int64_t scaled = static_cast<std::int64_t>(percent) * widthPx;
        size.width = RoundHalfEven(static_cast<double>(scaled) / 100.0);
        size.height = RoundHalfEven(size.width / aspectRatio);
    } else {
        size.height = RoundHalfEven(percent * static_cast<double>(heightPx) / 100.0);
        size.width = RoundHalfEven(size.height * aspectRatio);
    }
    return size;
}

}  // namespace snapwright
