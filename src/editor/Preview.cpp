#include "editor/Preview.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace snapwright {

namespace {

constexpr int kTile = 16;
constexpr int kRoom = 2;  // pixels around a shape's ideal outline that GDI's rounding may reach

// The tiles of the view that shapes touch. Only these are painted again, so that a mark that moves
// costs about its outline, not the area it encloses.
class TileMask {
public:
    explicit TileMask(Size view)
        : m_columns((std::max(0, view.width) + kTile - 1) / kTile),
          m_rows((std::max(0, view.height) + kTile - 1) / kTile),
          m_marked(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), false) {}

    // The pixels from left to right (inclusive) on the rows from top to bottom.
    void MarkSpan(double left, double right, double top, double bottom) {
        if (right + kRoom < 0 || bottom + kRoom < 0) return;
        const int firstColumn = std::max(0, static_cast<int>(std::floor(left - kRoom)) / kTile);
        const int lastColumn = std::min(m_columns - 1, static_cast<int>(std::floor(right + kRoom)) / kTile);
        const int firstRow = std::max(0, static_cast<int>(std::floor(top - kRoom)) / kTile);
        const int lastRow = std::min(m_rows - 1, static_cast<int>(std::floor(bottom + kRoom)) / kTile);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) m_marked[Index(column, row)] = true;
        }
    }

    // Row band by row band, the part of the line that crosses it.
    void MarkLine(Point from, Point to) {
        const double dy = to.y - from.y;
        const int top = std::min(from.y, to.y);
        const int bottom = std::max(from.y, to.y);
        const int firstBand = static_cast<int>(std::floor(top / static_cast<double>(kTile))) * kTile;
        for (int bandTop = firstBand; bandTop <= bottom; bandTop += kTile) {
            const double y0 = std::max<double>(top, bandTop);
            const double y1 = std::min<double>(bottom, bandTop + kTile - 1);
            const double x0 = dy == 0 ? from.x : from.x + (to.x - from.x) * (y0 - from.y) / dy;
            const double x1 = dy == 0 ? to.x : from.x + (to.x - from.x) * (y1 - from.y) / dy;
            MarkSpan(std::min(x0, x1), std::max(x0, x1), y0, y1);
        }
    }

    // Row band by row band, the stretches of the outline on the left and on the right: between the
    // half-widths where the band comes nearest to the centre row and where it lies farthest from it.
    void MarkEllipse(const PreviewShape& e) {
        if (e.radiusX <= 0 || e.radiusY <= 0) {
            MarkSpan(e.centreX - e.radiusX, e.centreX + e.radiusX, e.centreY - e.radiusY, e.centreY + e.radiusY);
            return;
        }
        const auto halfWidth = [&](double y) {
            const double t = (y - e.centreY) / e.radiusY;
            return e.radiusX * std::sqrt(std::max(0.0, 1 - t * t));
        };
        const double top = e.centreY - e.radiusY - kRoom;
        const double bottom = e.centreY + e.radiusY + kRoom;
        for (double bandTop = std::floor(top / kTile) * kTile; bandTop <= bottom; bandTop += kTile) {
            const double y0 = std::max(top, bandTop - kRoom);
            const double y1 = std::min(bottom, bandTop + kTile - 1 + kRoom);
            const double nearest = std::clamp(e.centreY, y0, y1);
            const double farthest = std::abs(y0 - e.centreY) > std::abs(y1 - e.centreY) ? y0 : y1;
            const double widest = halfWidth(nearest);
            const double narrowest = halfWidth(farthest);
            const double bandBottom = std::min(bottom, bandTop + kTile - 1);
            const double bandStart = std::max(top, bandTop);
            MarkSpan(e.centreX - widest, e.centreX - narrowest, bandStart, bandBottom);
            MarkSpan(e.centreX + narrowest, e.centreX + widest, bandStart, bandBottom);
        }
    }

    void Mark(const PreviewShape& shape) {
        switch (shape.kind) {
            case PreviewShape::Kind::Line: MarkLine(shape.from, shape.to); break;
            case PreviewShape::Kind::Rectangle: {
                const Point a = shape.from;
                const Point b = shape.to;
                MarkLine(a, {b.x, a.y});
                MarkLine({a.x, b.y}, b);
                MarkLine(a, {a.x, b.y});
                MarkLine({b.x, a.y}, b);
                break;
            }
            case PreviewShape::Kind::Ellipse: MarkEllipse(shape); break;
            case PreviewShape::Kind::Picture: {
                const Rect& d = shape.destination;
                MarkSpan(d.left, d.left + d.width - 1, d.top, d.top + d.height - 1);
                break;
            }
        }
    }

    // The marked tiles as rectangles: runs along each row of tiles, joined with the same runs of
    // the rows below them.
    std::vector<Rect> Areas() const {
        std::vector<Rect> areas;
        std::vector<std::size_t> previousRow;  // the areas that end on the row above
        for (int row = 0; row < m_rows; ++row) {
            std::vector<std::size_t> thisRow;
            for (int column = 0; column < m_columns;) {
                if (!m_marked[Index(column, row)]) {
                    ++column;
                    continue;
                }
                const int first = column;
                while (column < m_columns && m_marked[Index(column, row)]) ++column;
                const Rect run{first * kTile, row * kTile, (column - first) * kTile, kTile};
                const auto above = std::find_if(previousRow.begin(), previousRow.end(), [&](std::size_t i) {
                    return areas[i].left == run.left && areas[i].width == run.width;
                });
                if (above != previousRow.end()) {
                    areas[*above].height += kTile;
                    thisRow.push_back(*above);
                } else {
                    thisRow.push_back(areas.size());
                    areas.push_back(run);
                }
            }
            previousRow = std::move(thisRow);
        }
        return areas;
    }

private:
    std::size_t Index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    }

    int m_columns;
    int m_rows;
    std::vector<bool> m_marked;
};

// Marks the shapes of `of` that `in` lacks (each shape of `in` matches one at most).
void MarkUnmatched(const std::vector<PreviewShape>& of, const std::vector<PreviewShape>& in, TileMask& mask) {
    std::vector<bool> used(in.size(), false);
    for (const PreviewShape& shape : of) {
        bool matched = false;
        for (std::size_t i = 0; i < in.size() && !matched; ++i) {
            if (!used[i] && in[i] == shape) used[i] = matched = true;
        }
        if (!matched) mask.Mark(shape);
    }
}

}  // namespace

void Preview::Line(Point from, Point to, Colour colour) {
    PreviewShape shape;
    shape.from = from;
    shape.to = to;
    shape.colour = colour;
    m_shapes.push_back(shape);
}

void Preview::Rectangle(Point corner, Point oppositeCorner, Colour colour) {
    PreviewShape shape;
    shape.kind = PreviewShape::Kind::Rectangle;
    shape.from = corner;
    shape.to = oppositeCorner;
    shape.colour = colour;
    m_shapes.push_back(shape);
}

void Preview::Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) {
    PreviewShape shape;
    shape.kind = PreviewShape::Kind::Ellipse;
    shape.centreX = centreX;
    shape.centreY = centreY;
    shape.radiusX = radiusX;
    shape.radiusY = radiusY;
    shape.colour = colour;
    m_shapes.push_back(shape);
}

void Preview::StretchPicture(const PicturePtr& picture, const Rect& destination) {
    PreviewShape shape;
    shape.kind = PreviewShape::Kind::Picture;
    shape.picture = picture;
    shape.destination = destination;
    m_shapes.push_back(shape);
}

void Preview::DrawOn(IDrawing& drawing) const {
    for (const PreviewShape& shape : m_shapes) {
        switch (shape.kind) {
            case PreviewShape::Kind::Line: drawing.Line(shape.from, shape.to, shape.colour); break;
            case PreviewShape::Kind::Rectangle: drawing.Rectangle(shape.from, shape.to, shape.colour); break;
            case PreviewShape::Kind::Ellipse:
                drawing.Ellipse(shape.centreX, shape.centreY, shape.radiusX, shape.radiusY, shape.colour);
                break;
            case PreviewShape::Kind::Picture: drawing.StretchPicture(shape.picture, shape.destination); break;
        }
    }
}

std::vector<Rect> ChangedAreas(const Preview& before, const Preview& after, Size view) {
    TileMask mask(view);
    MarkUnmatched(before.Shapes(), after.Shapes(), mask);
    MarkUnmatched(after.Shapes(), before.Shapes(), mask);
    return mask.Areas();
}

// The white lines run beside the black one across its direction: above and below a flat line,
// left and right of a steep one.
void DrawMarkerLine(IDrawing& drawing, Point from, Point to) {
    const bool flat = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const Point side = flat ? Point{0, 1} : Point{1, 0};
    drawing.Line({from.x - side.x, from.y - side.y}, {to.x - side.x, to.y - side.y}, kMarkerEdgeColour);
    drawing.Line({from.x + side.x, from.y + side.y}, {to.x + side.x, to.y + side.y}, kMarkerEdgeColour);
    drawing.Line(from, to, kMarkerColour);
}

}  // namespace snapwright
