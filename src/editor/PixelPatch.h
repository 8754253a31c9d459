#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/RgbImage.h"

namespace snapwright {

// The pixels that a change of a picture replaced, kept to give them back: those of the tiles of
// 16 x 16 pixels in which the picture after the change differs from the one before. A frame or an
// ellipse keeps little more than its rings, whatever the size of the picture.
class PixelPatch {
public:
    static constexpr int kTileSize = 16;

    PixelPatch() = default;
    // The same part of a picture before and after the change, with its top-left corner at a point
    // of the picture: the two images have the same size.
    PixelPatch(const RgbImage& before, const RgbImage& after, Point at = {});

    // Puts the kept pixels back into the picture after the change, which gives the one before.
    void Restore(RgbImage& picture) const;
    // What the patch holds in memory.
    std::size_t Bytes() const;
    // The part of the picture it gives back; empty when the change changed nothing.
    Rect Area() const;

private:
    // Neighbouring changed tiles of one row of tiles, and where their pixels start.
    struct Run {
        Rect area;
        std::size_t offset = 0;
    };

    std::vector<Run> m_runs;
    std::vector<std::uint8_t> m_pixels;
};

}  // namespace snapwright
