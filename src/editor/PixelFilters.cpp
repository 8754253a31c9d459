#include "editor/PixelFilters.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// The crossings of a row of samples with the polygons' edges, as the stretches of the row that lie
// inside any polygon: [from, to) apart, in order. By the even-odd rule within a polygon, so that a
// polygon may be given in either turning direction; a point on a polygon's left edge is inside it,
// one on its right edge is not.
void InsideStretches(const std::vector<Polygon>& polygons, double y, std::vector<double>& crossings,
                     std::vector<std::pair<double, double>>& stretches) {
    stretches.clear();
    for (const Polygon& polygon : polygons) {
        crossings.clear();
        for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
            const PointF& a = polygon[i];
            const PointF& b = polygon[j];
            if ((a.y > y) != (b.y > y)) crossings.push_back((b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x);
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) stretches.emplace_back(crossings[k], crossings[k + 1]);
    }
    std::sort(stretches.begin(), stretches.end());
    std::size_t joined = 0;
    for (std::size_t k = 0; k < stretches.size(); ++k) {
        if (joined > 0 && stretches[k].first <= stretches[joined - 1].second) {
            stretches[joined - 1].second = std::max(stretches[joined - 1].second, stretches[k].second);
        } else {
            stretches[joined++] = stretches[k];
        }
    }
    stretches.resize(joined);
}

}  // namespace

// Whole blocks, the rest given to the last one, so that no block is narrower than `block` unless
// the length itself is.
std::vector<int> BlockEdges(int length, int block) {
    std::vector<int> edges;
    block = std::max(1, block);
    const int count = std::max(1, length / block);
    for (int i = 0; i < count; ++i) edges.push_back(i * block);
    edges.push_back(length);
    return edges;
}

// Rounded to the nearest, so that white under a colour is that colour exactly. Each channel's
// products come from a table of its 256 values.
void Highlight(RgbImage& image, const Rect& region, Colour colour) {
    const Rect part = OnImage(image, region);
    if (part.width <= 0 || part.height <= 0) return;
    std::uint8_t table[3][256];  // in the rows' order: blue, green, red
    const int ink[3] = {Channel(colour, 16), Channel(colour, 8), Channel(colour, 0)};
    for (int k = 0; k < 3; ++k) {
        for (int value = 0; value < 256; ++value) table[k][value] = static_cast<std::uint8_t>((value * ink[k] + 127) / 255);
    }
    for (int y = part.top; y < part.top + part.height; ++y) {
        std::uint8_t* pixel = image.Row(y) + 3 * static_cast<std::size_t>(part.left);
        for (int x = 0; x < part.width; ++x, pixel += 3) {
            pixel[0] = table[0][pixel[0]];
            pixel[1] = table[1][pixel[1]];
            pixel[2] = table[2][pixel[2]];
        }
    }
}

void Pixelate(RgbImage& image, const Rect& region, int block) {
    const Rect part = OnImage(image, region);
    if (part.width <= 0 || part.height <= 0) return;
    const std::vector<int> columns = BlockEdges(part.width, block);
    const std::vector<int> rows = BlockEdges(part.height, block);
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
            FillWithAverage(image, {part.left + columns[c], part.top + rows[r], columns[c + 1] - columns[c],
                                    rows[r + 1] - rows[r]});
        }
    }
}

void FillWithAverage(RgbImage& image, const Rect& region) {
    const Rect part = OnImage(image, region);
    if (part.width <= 0 || part.height <= 0) return;
    const std::size_t offset = 3 * static_cast<std::size_t>(part.left);
    const std::size_t bytes = 3 * static_cast<std::size_t>(part.width);
    long long sum[3] = {};  // in the rows' order: blue, green, red
    for (int y = part.top; y < part.top + part.height; ++y) {
        const std::uint8_t* pixel = image.Row(y) + offset;
        for (std::size_t i = 0; i < bytes; i += 3) {
            sum[0] += pixel[i];
            sum[1] += pixel[i + 1];
            sum[2] += pixel[i + 2];
        }
    }
    const long long count = static_cast<long long>(part.width) * part.height;
    const auto mean = [&](int k) { return static_cast<int>((sum[k] + count / 2) / count); };
    FillSolid(image, part, MakeColour(mean(2), mean(1), mean(0)));
}

void FillSolid(RgbImage& image, const Rect& region, Colour colour) {
    const Rect part = OnImage(image, region);
    if (part.width <= 0 || part.height <= 0) return;
    const std::uint8_t pixel[3] = {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                                   static_cast<std::uint8_t>(colour)};
    std::uint8_t* first = image.Row(part.top) + 3 * static_cast<std::size_t>(part.left);
    const std::size_t bytes = 3 * static_cast<std::size_t>(part.width);
    for (std::size_t i = 0; i < bytes; i += 3) std::memcpy(first + i, pixel, 3);
    for (int y = part.top + 1; y < part.top + part.height; ++y) {
        std::memcpy(image.Row(y) + 3 * static_cast<std::size_t>(part.left), first, bytes);
    }
}

// Sixteen samples a pixel give seventeen steps of coverage: enough for edges that look smooth at
// the sizes of an arrow, and the same pixels wherever the program runs. Row by row of samples, only
// the samples within the stretches inside the polygons are counted, so that a long slanted arrow
// costs about its own area, not that of the rectangle around it.
void FillPolygons(RgbImage& image, Point origin, const std::vector<Polygon>& polygons, Colour colour) {
    constexpr int kSamples = 4;
    constexpr int kTotal = kSamples * kSamples;
    const Rect bounds = BoundsOf(polygons);
    const Rect part = OnImage(image, {bounds.left - origin.x, bounds.top - origin.y, bounds.width, bounds.height});
    if (part.width <= 0 || part.height <= 0) return;
    std::vector<int> covered(static_cast<std::size_t>(part.width));
    std::vector<double> crossings;
    std::vector<std::pair<double, double>> stretches;
    for (int y = part.top; y < part.top + part.height; ++y) {
        std::fill(covered.begin(), covered.end(), 0);
        int first = part.width;
        int last = -1;
        for (int sy = 0; sy < kSamples; ++sy) {
            InsideStretches(polygons, origin.y + y + (sy + 0.5) / kSamples, crossings, stretches);
            for (const auto& [from, to] : stretches) {
                const int left = std::max(part.left, static_cast<int>(std::floor(from)) - origin.x - 1);
                const int right = std::min(part.left + part.width - 1, static_cast<int>(std::ceil(to)) - origin.x);
                for (int x = left; x <= right; ++x) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double px = origin.x + x + (sx + 0.5) / kSamples;
                        if (px < from || px >= to) continue;
                        ++covered[static_cast<std::size_t>(x - part.left)];
                        first = std::min(first, x - part.left);
                        last = std::max(last, x - part.left);
                    }
                }
            }
        }
        for (int i = first; i <= last; ++i) {
            const int count = covered[static_cast<std::size_t>(i)];
            if (count == 0) continue;
            const int x = part.left + i;
            const Colour under = image.At(x, y);
            const auto blend = [&](int shift) {
                const int mixed = Channel(colour, shift) * count + Channel(under, shift) * (kTotal - count);
                return (mixed + kTotal / 2) / kTotal;
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
