#include "editor/PixelFilters.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/Geometry.h"

namespace snapwright {

namespace {

Rect OnImage(const RgbImage& image, const Rect& region) {
    return Intersection(region, {0, 0, image.Width(), image.Height()});
}

int Channel(Colour colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

// The even-odd rule, so that a polygon may be given in either turning direction.
bool Inside(const Polygon& polygon, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const PointF& a = polygon[i];
        const PointF& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// The starts of the blocks along a length: whole blocks, the rest given to the last one, so that
// no block is narrower than `block` unless the length itself is.
std::vector<int> BlockStarts(int length, int block) {
    std::vector<int> starts;
    const int count = std::max(1, length / block);
    for (int i = 0; i < count; ++i) starts.push_back(i * block);
    starts.push_back(length);
    return starts;
}

}  // namespace

// Rounded to the nearest, so that white under a colour is that colour exactly.
void Highlight(RgbImage& image, const Rect& region, Colour colour) {
    const Rect part = OnImage(image, region);
    const int ink[3] = {Channel(colour, 16), Channel(colour, 8), Channel(colour, 0)};  // in the rows' order
    for (int y = part.top; y < part.top + part.height; ++y) {
        std::uint8_t* pixel = image.Row(y) + 3 * static_cast<std::size_t>(part.left);
        for (int x = 0; x < part.width * 3; ++x) {
            pixel[x] = static_cast<std::uint8_t>((pixel[x] * ink[x % 3] + 127) / 255);
        }
    }
}

void Pixelate(RgbImage& image, const Rect& region, int block) {
    const Rect part = OnImage(image, region);
    if (part.width <= 0 || part.height <= 0) return;
    block = std::max(1, block);
    const std::vector<int> columns = BlockStarts(part.width, block);
    const std::vector<int> rows = BlockStarts(part.height, block);
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
            const Rect cell{part.left + columns[c], part.top + rows[r], columns[c + 1] - columns[c],
                            rows[r + 1] - rows[r]};
            long sum[3] = {};
            for (int y = cell.top; y < cell.top + cell.height; ++y) {
                for (int x = cell.left; x < cell.left + cell.width; ++x) {
                    const Colour pixel = image.At(x, y);
                    for (int k = 0; k < 3; ++k) sum[k] += Channel(pixel, 8 * k);
                }
            }
            const long count = static_cast<long>(cell.width) * cell.height;
            const auto mean = [&](int k) { return static_cast<int>((sum[k] + count / 2) / count); };
            FillSolid(image, cell, MakeColour(mean(0), mean(1), mean(2)));
        }
    }
}

void FillSolid(RgbImage& image, const Rect& region, Colour colour) {
    const Rect part = OnImage(image, region);
    for (int y = part.top; y < part.top + part.height; ++y) {
        for (int x = part.left; x < part.left + part.width; ++x) image.Set(x, y, colour);
    }
}

// Sixteen samples a pixel give seventeen steps of coverage: enough for edges that look smooth at
// the sizes of an arrow, and the same pixels wherever the program runs.
void FillPolygons(RgbImage& image, Point origin, const std::vector<Polygon>& polygons, Colour colour) {
    constexpr int kSamples = 4;
    const Rect bounds = BoundsOf(polygons);
    const Rect part = OnImage(image, {bounds.left - origin.x, bounds.top - origin.y, bounds.width, bounds.height});
    for (int y = part.top; y < part.top + part.height; ++y) {
        for (int x = part.left; x < part.left + part.width; ++x) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = origin.x + x + (sx + 0.5) / kSamples;
                    const double py = origin.y + y + (sy + 0.5) / kSamples;
                    covered += std::any_of(polygons.begin(), polygons.end(),
                                           [&](const Polygon& polygon) { return Inside(polygon, px, py); });
                }
            }
            if (covered == 0) continue;
            const int total = kSamples * kSamples;
            const Colour under = image.At(x, y);
            const auto blend = [&](int shift) {
                const int mixed = Channel(colour, shift) * covered + Channel(under, shift) * (total - covered);
                return (mixed + total / 2) / total;
            };
            image.Set(x, y, MakeColour(blend(0), blend(8), blend(16)));
        }
    }
}

Rect BoundsOf(const std::vector<Polygon>& polygons) {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool first = true;
    for (const Polygon& polygon : polygons) {
        for (const PointF& point : polygon) {
            left = first ? point.x : std::min(left, point.x);
            top = first ? point.y : std::min(top, point.y);
            right = first ? point.x : std::max(right, point.x);
            bottom = first ? point.y : std::max(bottom, point.y);
            first = false;
        }
    }
    if (first) return {};
    const int l = static_cast<int>(std::floor(left)) - 1;
    const int t = static_cast<int>(std::floor(top)) - 1;
    return {l, t, static_cast<int>(std::ceil(right)) + 1 - l, static_cast<int>(std::ceil(bottom)) + 1 - t};
}

}  // namespace snapwright
