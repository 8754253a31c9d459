#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

class RgbImage;

// Rows of pixels in the layout of an RgbImage that another owner holds (an image, or a bitmap's
// memory), from the top row down: rows lie `stride` bytes apart, a negative stride for rows that
// are stored from the bottom up.
struct RgbRows {
    std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    std::uint8_t* Row(int y) const { return top + stride * y; }
};

// The pixels of the part of a region that lies on the rows.
RgbImage CopyFrom(const RgbRows& rows, const Rect& region);
// Pixels put on the rows with their top-left corner at a point; what falls outside is left out.
void PasteInto(const RgbRows& rows, const RgbImage& pixels, Point at);

// Pixels in memory, for the rules that work on them pixel by pixel (filters, undo): three bytes a
// pixel in the order blue, green, red (that of Windows' 24-bit bitmaps), rows from the top, not
// padded.
class RgbImage {
public:
    RgbImage() = default;
    RgbImage(int width, int height, Colour fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    std::size_t RowBytes() const { return static_cast<std::size_t>(m_width) * 3; }
    std::size_t Bytes() const { return m_bytes.size(); }

    std::uint8_t* Row(int y) { return m_bytes.data() + RowBytes() * static_cast<std::size_t>(y); }
    const std::uint8_t* Row(int y) const { return m_bytes.data() + RowBytes() * static_cast<std::size_t>(y); }
    Colour At(int x, int y) const;
    void Set(int x, int y, Colour colour);

    // The rows, to copy from (which leaves them as they are) or into.
    RgbRows Rows() const;
    RgbImage Copy(const Rect& region) const { return CopyFrom(Rows(), region); }
    void Paste(const RgbImage& image, Point at) { PasteInto(Rows(), image, at); }

    friend bool operator==(const RgbImage&, const RgbImage&) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace snapwright
