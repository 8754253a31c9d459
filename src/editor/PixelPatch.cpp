#include "editor/PixelPatch.h"

#include <algorithm>
#include <cstring>

#include "platform/Geometry.h"

namespace snapwright {

namespace {

bool TileDiffers(const RgbImage& before, const RgbImage& after, const Rect& tile) {
    const std::size_t offset = 3 * static_cast<std::size_t>(tile.left);
    const std::size_t bytes = 3 * static_cast<std::size_t>(tile.width);
    for (int y = tile.top; y < tile.top + tile.height; ++y) {
        if (std::memcmp(before.Row(y) + offset, after.Row(y) + offset, bytes) != 0) return true;
    }
    return false;
}

}  // namespace

PixelPatch::PixelPatch(const RgbImage& before, const RgbImage& after, Point at) {
    const int width = std::min(before.Width(), after.Width());
    const int height = std::min(before.Height(), after.Height());
    for (int top = 0; top < height; top += kTileSize) {
        const int rows = std::min(kTileSize, height - top);
        for (int left = 0; left < width; left += kTileSize) {
            const Rect tile{left, top, std::min(kTileSize, width - left), rows};
            if (!TileDiffers(before, after, tile)) continue;
            // A tile next to the previous run of this row lengthens it.
            if (!m_runs.empty() && m_runs.back().area.top == top &&
                m_runs.back().area.left + m_runs.back().area.width == left) {
                m_runs.back().area.width += tile.width;
            } else {
                m_runs.push_back({tile, 0});
            }
        }
    }
    std::size_t size = 0;
    for (Run& run : m_runs) {
        run.offset = size;
        size += 3 * static_cast<std::size_t>(run.area.width) * static_cast<std::size_t>(run.area.height);
    }
    m_pixels.resize(size);
    for (Run& run : m_runs) {
        const std::size_t bytes = 3 * static_cast<std::size_t>(run.area.width);
        for (int y = 0; y < run.area.height; ++y) {
            std::memcpy(m_pixels.data() + run.offset + bytes * static_cast<std::size_t>(y),
                        before.Row(run.area.top + y) + 3 * static_cast<std::size_t>(run.area.left), bytes);
        }
        run.area.left += at.x;
        run.area.top += at.y;
    }
}

void PixelPatch::Restore(RgbImage& picture) const {
    for (const Run& run : m_runs) {
        const Rect area = Intersection(run.area, {0, 0, picture.Width(), picture.Height()});
        const std::size_t bytes = 3 * static_cast<std::size_t>(run.area.width);
        for (int y = 0; y < area.height; ++y) {
            std::memcpy(picture.Row(area.top + y) + 3 * static_cast<std::size_t>(area.left),
                        m_pixels.data() + run.offset + bytes * static_cast<std::size_t>(y),
                        3 * static_cast<std::size_t>(area.width));
        }
    }
}

Rect PixelPatch::Area() const {
    Rect area;
    for (const Run& run : m_runs) {
        if (area.width == 0) {
            area = run.area;
            continue;
        }
        const int right = std::max(area.left + area.width, run.area.left + run.area.width);
        const int bottom = std::max(area.top + area.height, run.area.top + run.area.height);
        area.left = std::min(area.left, run.area.left);
        area.top = std::min(area.top, run.area.top);
        area.width = right - area.left;
        area.height = bottom - area.top;
    }
    return area;
}

std::size_t PixelPatch::Bytes() const {
    return m_pixels.size() + m_runs.size() * sizeof(Run);
}

}  // namespace snapwright
