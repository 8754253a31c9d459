#pragma once
#include <vector>

#include "editor/EditorPorts.h"

namespace snapwright {

// One thing drawn over the picture in the view.
struct PreviewShape {
    enum class Kind { Line, Rectangle, Ellipse, Picture };
    Kind kind = Kind::Line;
    Point from;  // a line's ends, a rectangle's corners
    Point to;
    double centreX = 0;  // an ellipse
    double centreY = 0;
    double radiusX = 0;
    double radiusY = 0;
    PicturePtr picture;  // a picture, stretched to the destination
    Rect destination;
    Colour colour = 0;
    friend bool operator==(const PreviewShape&, const PreviewShape&) = default;
};

// What the view shows over the picture: the markers and previews of the active tool, kept as
// they are drawn and drawn again by the view whenever it paints, in view coordinates.
class Preview : public IDrawing {
public:
    void Line(Point from, Point to, Colour colour) override;
    void Rectangle(Point corner, Point oppositeCorner, Colour colour) override;
    void Ellipse(double centreX, double centreY, double radiusX, double radiusY, Colour colour) override;
    void StretchPicture(const PicturePtr& picture, const Rect& destination) override;

    void DrawOn(IDrawing& drawing) const;
    const std::vector<PreviewShape>& Shapes() const { return m_shapes; }
    bool Empty() const { return m_shapes.empty(); }

private:
    std::vector<PreviewShape> m_shapes;
};

// The parts of a view of a size to paint again when one preview follows another: the tiles of 16 x
// 16 pixels that the shapes only one of them has pass through. Rectangles and ellipses count by
// their outlines, not by what they enclose.
std::vector<Rect> ChangedAreas(const Preview& before, const Preview& after, Size view);

inline constexpr Colour kMarkerColour = 0x000000;
inline constexpr Colour kMarkerEdgeColour = 0xFFFFFF;

// A line of a marker (the cross-hair, the crop arrow): black between two white lines, so that it
// shows on a dark picture as on a light one.
void DrawMarkerLine(IDrawing& drawing, Point from, Point to);

}  // namespace snapwright
