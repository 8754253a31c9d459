#pragma once
#include "editor/BoxMark.h"

namespace snapwright {

// The smallest side of a redaction's blocks, at the strength 1; each strength more adds four.
inline constexpr int kRedactionBlockSize = 12;

// What nobody may read: the part of the picture under its box, as the picture and the marks
// beneath it show it, pixelated in blocks (their size from the strength) or filled with its
// colour. It is computed whenever it is painted, so that wherever it is moved it hides what lies
// there, and nothing painted shows what lies under it.
class RedactionMark : public BoxMark {
public:
    RedactionMark(Point corner, Point opposite, const MarkStyle& style, bool solid)
        : BoxMark(corner, opposite, style), m_solid(solid) {}
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<RedactionMark>(*this); }

    bool Solid() const { return m_solid; }
    int BlockSize() const;

    Rect Bounds() const override { return m_box; }
    bool Hits(Point at) const override { return Contains(Grown(m_box, kHitTolerance), at); }
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    Rect Needs(const Rect& region, const Rect& picture) const override;

private:
    // The blocks of the part of the box on the picture that meet an area: the first and last
    // block's column and row.
    struct Blocks {
        Rect shown;  // the part of the box on the picture, which the blocks divide
        int firstColumn, lastColumn, firstRow, lastRow;
        Rect Cell(int column, int row, int block) const;
        Rect Area(int block) const;
    };
    std::optional<Blocks> BlocksMeeting(const Rect& area, const Rect& picture) const;

    bool m_solid;
};

}  // namespace snapwright
