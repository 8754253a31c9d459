#pragma once

namespace snapwright {

struct ThumbSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ThumbSize&, const ThumbSize&) = default;
};

// The thumbnail of a picture at `percent` of its longer side; the other side follows the aspect
// ratio. Rounding is to the nearest pixel, halves to the even neighbour.
ThumbSize ThumbnailSize(int percent, int widthPx, float heightPx);

}  // namespace snapwright
