#include "editor/Preview.h"

#include <cstdlib>

#include "editor/TileMask.h"

namespace snapwright {

namespace {

// The tiles a shape passes through: rectangles and ellipses by their outlines.
void MarkShape(TileMask& mask, const PreviewShape& shape) {
    switch (shape.kind) {
        case PreviewShape::Kind::Line: mask.MarkLine(shape.from, shape.to); break;
        case PreviewShape::Kind::Rectangle: {
            const Point a = shape.from;
            const Point b = shape.to;
            mask.MarkLine(a, {b.x, a.y});
            mask.MarkLine({a.x, b.y}, b);
            mask.MarkLine(a, {a.x, b.y});
            mask.MarkLine({b.x, a.y}, b);
            break;
        }
        case PreviewShape::Kind::Ellipse:
            mask.MarkRing(shape.centreX, shape.centreY, shape.radiusX, shape.radiusY, shape.radiusX, shape.radiusY);
            break;
        case PreviewShape::Kind::Picture: {
            const Rect& d = shape.destination;
            mask.MarkSpan(d.left, d.left + d.width - 1, d.top, d.top + d.height - 1);
            break;
        }
    }
}

// Marks the shapes of `of` that `in` lacks (each shape of `in` matches one at most).
void MarkUnmatched(const std::vector<PreviewShape>& of, const std::vector<PreviewShape>& in, TileMask& mask) {
    std::vector<bool> used(in.size(), false);
    for (const PreviewShape& shape : of) {
        bool matched = false;
        for (std::size_t i = 0; i < in.size() && !matched; ++i) {
            if (!used[i] && in[i] == shape) used[i] = matched = true;
        }
        if (!matched) MarkShape(mask, shape);
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
