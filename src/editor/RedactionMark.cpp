#include "editor/RedactionMark.h"

#include <algorithm>

#include "editor/PixelFilters.h"
#include "platform/Geometry.h"

namespace snapwright {

namespace {

// Along a length divided into blocks as BlockEdges divides it: the edge before block i, and the
// block that holds an offset.
int BlockCount(int length, int block) {
    return std::max(1, length / block);
}
int Edge(int i, int length, int block) {
    return i >= BlockCount(length, block) ? length : i * block;
}
int BlockOf(int offset, int length, int block) {
    return std::min(BlockCount(length, block) - 1, offset / block);
}

}  // namespace

int RedactionMark::BlockSize() const {
    return kRedactionBlockSize + 4 * (std::max(1, Style().strength) - 1);
}

Rect RedactionMark::Blocks::Cell(int column, int row, int block) const {
    const int left = Edge(column, shown.width, block);
    const int top = Edge(row, shown.height, block);
    return {shown.left + left, shown.top + top, Edge(column + 1, shown.width, block) - left,
            Edge(row + 1, shown.height, block) - top};
}

Rect RedactionMark::Blocks::Area(int block) const {
    const Rect first = Cell(firstColumn, firstRow, block);
    const Rect last = Cell(lastColumn, lastRow, block);
    return Union(first, last);
}

// The blocks divide the part of the box that lies on the picture, so that none of them mixes in
// pixels that are not there.
std::optional<RedactionMark::Blocks> RedactionMark::BlocksMeeting(const Rect& area, const Rect& picture) const {
    const Rect shown = Intersection(m_box, picture);
    const Rect met = Intersection(shown, area);
    if (met.width <= 0 || met.height <= 0) return std::nullopt;
    const int block = BlockSize();
    const int left = met.left - shown.left;
    const int top = met.top - shown.top;
    return Blocks{shown, BlockOf(left, shown.width, block), BlockOf(left + met.width - 1, shown.width, block),
                  BlockOf(top, shown.height, block), BlockOf(top + met.height - 1, shown.height, block)};
}

void RedactionMark::Draw(RgbImage& pixels, Point at, const Rect& picture) const {
    const Rect area{at.x, at.y, pixels.Width(), pixels.Height()};
    if (m_solid) {
        const Rect part = Intersection(Intersection(m_box, picture), area);
        FillSolid(pixels, {part.left - at.x, part.top - at.y, part.width, part.height}, Style().colour);
        return;
    }
    const std::optional<Blocks> blocks = BlocksMeeting(area, picture);
    if (!blocks) return;
    const int block = BlockSize();
    for (int row = blocks->firstRow; row <= blocks->lastRow; ++row) {
        for (int column = blocks->firstColumn; column <= blocks->lastColumn; ++column) {
            const Rect cell = blocks->Cell(column, row, block);
            FillWithAverage(pixels, {cell.left - at.x, cell.top - at.y, cell.width, cell.height});
        }
    }
}

Rect RedactionMark::Needs(const Rect& region, const Rect& picture) const {
    if (m_solid) return region;
    const std::optional<Blocks> blocks = BlocksMeeting(region, picture);
    return blocks ? Union(region, blocks->Area(BlockSize())) : region;
}

}  // namespace snapwright
