#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "capture/ScrollFrame.h"

namespace snapwright {

// What a step is expected to have moved the content by, in rows: worked out from the scroll
// position that the window tells (`told`), or from the steps before; 0 when nothing is known.
struct OffsetHint {
    int rows = 0;
    bool told = false;
};

// The rows [top, bottom) of a frame.
struct RowBand {
    int top = 0;
    int bottom = 0;
    friend bool operator==(const RowBand&, const RowBand&) = default;
};

// How far the content moved between two frames.
struct FoundOffset {
    int rows = 0;                    // row y of the later frame shows row y + rows of the earlier one
    bool unambiguous = false;        // no other offset fits the pixels as well
    std::vector<bool> steadyStrips;  // the strips that moved with the content
};

// A hash of every pixel of a frame: two grabs that show the same have the same.
std::uint64_t FrameHash(const PixelRows& frame);

// Finds how far the content of frames of one size moved, by comparing their rows. Each row is
// hashed in vertical strips, so that a scroll bar or a panel beside the content may disagree
// without spoiling the comparison of the content's rows. Remembers which strips moved with the
// content, for the steps whose pixels do not tell.
class FrameOffsets {
public:
    FrameOffsets(int width, int height);

    int Strips() const { return static_cast<int>(m_stripEdges.size()) - 1; }
    // Strip s covers the columns [edge s, edge s + 1).
    int StripEdge(int s) const { return m_stripEdges[static_cast<std::size_t>(s)]; }
    // Row y, strip s at y * Strips() + s.
    std::vector<std::uint64_t> Hash(const PixelRows& frame) const;
    // The rows that differ between two frames at the same place; none when they show the same.
    std::optional<RowBand> ChangedRows(const std::vector<std::uint64_t>& later,
                                       const std::vector<std::uint64_t>& earlier) const;
    // The offset of the content within the band; none when the frames do not show one piece of
    // content moved, or when nothing tells how far and there is no hint.
    std::optional<FoundOffset> Find(const std::vector<std::uint64_t>& later, const std::vector<std::uint64_t>& earlier,
                                    const RowBand& band, const OffsetHint& hint);

private:
    int m_height;
    std::vector<int> m_stripEdges;
    std::vector<bool> m_steadyStrips;
};

}  // namespace snapwright
