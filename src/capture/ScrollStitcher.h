#pragma once
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "capture/FrameOffsets.h"
#include "capture/ScrollFrame.h"

namespace snapwright {

// What a frame taken after a step added to the picture.
struct StitchStep {
    int moved = 0;              // rows the content moved up by; 0: it did not move
    bool measured = false;      // the pixels alone told the offset: no other fits them as well
    bool limitReached = false;  // the picture is as tall as it may be; the frame was taken in part
};

// Stitches the frames of an area that scrolls down step by step into one tall picture, each step's
// offset found by comparing the frame with the one before. Rows that stay where they are (a header,
// a footer, the window's frame) and columns beside the content that do not move with it (a scroll
// bar, a side panel) appear once, at their place. Only the frame before is kept.
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
    // The columns beside the content at the left and right edges.
    std::pair<int, int> SideColumns(const PixelRows& frame, const std::vector<std::uint64_t>& hashes,
                                    const RowBand& band, const FoundOffset& offset) const;
    void WidenSide(int left, int right, const RowBand& band);
    std::uint32_t FillColour(int x, const RowBand& band);
    void WriteRow(const std::uint8_t* row, const std::vector<bool>* side);
    void Keep(const PixelRows& frame, std::vector<std::uint64_t> hashes);
    const std::uint8_t* PreviousRow(int y) const;

    ITallPicture& m_picture;
    int m_width = 0;
    int m_height = 0;
    std::optional<FrameOffsets> m_offsets;
    std::vector<std::uint8_t> m_previous;
    std::vector<std::uint64_t> m_previousHashes;
    std::vector<std::optional<std::uint32_t>> m_fill;
    std::vector<bool> m_side;  // the columns beside the content, the widest that the steps found
    int m_sideLeft = 0;
    int m_sideRight = 0;
    int m_firstRows = 0;       // the rows of the first frame at the top of the picture
    RowBand m_band;            // the rows that moved so far; the footer starts at its bottom
    int m_written = 0;         // rows in the picture
    bool m_moved = false;
    bool m_full = false;
};

}  // namespace snapwright
