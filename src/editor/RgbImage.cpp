#include "editor/RgbImage.h"

#include <algorithm>
#include <cstring>

#include "platform/Geometry.h"

namespace snapwright {

RgbImage::RgbImage(int width, int height, Colour fill)
    : m_width(std::max(0, width)),
      m_height(std::max(0, height)),
      m_bytes(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3) {
    if (fill == 0) return;
    for (std::size_t i = 0; i < m_bytes.size(); i += 3) {
        m_bytes[i] = static_cast<std::uint8_t>(fill >> 16);
        m_bytes[i + 1] = static_cast<std::uint8_t>(fill >> 8);
        m_bytes[i + 2] = static_cast<std::uint8_t>(fill);
    }
}

Colour RgbImage::At(int x, int y) const {
    const std::uint8_t* pixel = Row(y) + 3 * static_cast<std::size_t>(x);
    return static_cast<Colour>(pixel[2]) | static_cast<Colour>(pixel[1]) << 8 | static_cast<Colour>(pixel[0]) << 16;
}

void RgbImage::Set(int x, int y, Colour colour) {
    std::uint8_t* pixel = Row(y) + 3 * static_cast<std::size_t>(x);
    pixel[0] = static_cast<std::uint8_t>(colour >> 16);
    pixel[1] = static_cast<std::uint8_t>(colour >> 8);
    pixel[2] = static_cast<std::uint8_t>(colour);
}

RgbRows RgbImage::Rows() const {
    return {const_cast<std::uint8_t*>(m_bytes.data()), static_cast<std::ptrdiff_t>(RowBytes()), m_width, m_height};
}

RgbImage CopyFrom(const RgbRows& rows, const Rect& region) {
    const Rect part = Intersection(region, {0, 0, rows.width, rows.height});
    RgbImage copy(part.width, part.height);
    for (int y = 0; y < part.height; ++y) {
        std::memcpy(copy.Row(y), rows.Row(part.top + y) + 3 * static_cast<std::size_t>(part.left), copy.RowBytes());
    }
    return copy;
}

void PasteInto(const RgbRows& rows, const RgbImage& pixels, Point at) {
    const Rect part = Intersection({at.x, at.y, pixels.Width(), pixels.Height()}, {0, 0, rows.width, rows.height});
    for (int y = 0; y < part.height; ++y) {
        std::memcpy(rows.Row(part.top + y) + 3 * static_cast<std::size_t>(part.left),
                    pixels.Row(part.top - at.y + y) + 3 * static_cast<std::size_t>(part.left - at.x),
                    3 * static_cast<std::size_t>(part.width));
    }
}

}  // namespace snapwright
