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

// What a frame taken after a step added to the picture.
struct StitchStep {
    int moved = 0;              // rows the content moved up by; 0: it did not move
    bool measured = false;      // the pixels alone told the offset: no other fits them as well
    bool limitReached = false;  // the picture is as tall as it may be; the frame was taken in part
};

// Stitches the frames of an area that scrolls down step by step into one tall picture. The offset
// of each step is found by comparing the frame with the one before; rows that stay where they are
// (a header, a footer, the window's frame) and columns beside the content that do not move with it
// (a scroll bar, a side panel) appear once, at their place. Only the frame before is kept.
class ScrollStitcher {
public:
    explicit ScrollStitcher(ITallPicture& picture);

    // The first frame, at the top of the area. Every frame after it has its size.
    void Start(const PixelRows& first);
    StitchStep Add(const PixelRows& frame, const OffsetHint& hint = {});
    // The height of the picture that Finish would give now.
    int Height() const;
    bool Moved() const { return m_moved; }
    PicturePtr Finish();

private:
    struct Band {
        int top = 0;
        int bottom = 0;
    };
    struct Offset {
        int rows = 0;
        bool unambiguous = false;  // no other offset fits the pixels as well
        std::vector<bool> steadyStrips;
    };

    std::vector<std::uint64_t> HashRows(const PixelRows& frame) const;
    std::optional<Band> ChangedRows(const std::vector<std::uint64_t>& hashes) const;
    std::optional<Offset> FindOffset(const std::vector<std::uint64_t>& hashes, const Band& band,
                                     const OffsetHint& hint) const;
    std::vector<bool> SideColumns(const PixelRows& frame, const std::vector<std::uint64_t>& hashes, const Band& band,
                                  const Offset& offset) const;
    std::uint32_t FillColour(int x, const Band& band);
    void WriteRow(const std::uint8_t* row, const std::vector<bool>* side);
    void Keep(const PixelRows& frame, std::vector<std::uint64_t> hashes);
    const std::uint8_t* PreviousRow(int y) const;

    ITallPicture& m_picture;
    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_stripEdges;  // the strips that rows are compared in: strip s is [edge s, edge s + 1)
    std::vector<std::uint8_t> m_previous;
    std::vector<std::uint64_t> m_previousHashes;  // row y, strip s at y * strips + s
    std::vector<std::optional<std::uint32_t>> m_fill;
    std::vector<bool> m_side;          // the columns beside the content, as the last step measured them
    std::vector<bool> m_steadyStrips;  // the strips that moved with the content in the last step
    Band m_band;               // the rows that moved so far; the footer starts at its bottom
    int m_written = 0;  // rows in the picture
    bool m_moved = false;
    bool m_full = false;
};

}  // namespace snapwright
