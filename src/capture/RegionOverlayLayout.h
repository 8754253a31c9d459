#pragma once
#include <array>
#include <optional>
#include <vector>

#include "capture/RegionSelection.h"
#include "platform/Geometry.h"

namespace snapwright {

// What the region overlay draws over the dimmed desktop, in overlay pixels: those of the desktop
// picture, whose (0, 0) is the top-left corner of the virtual screen.
struct OverlayMarks {
    std::optional<Rect> marked;
    bool drawn = false;  // a region drawn, rather than the window a click takes
    Rect label;          // the marked rectangle's size
    Rect magnifier;      // the pixels under the pointer, and its place below them
    friend bool operator==(const OverlayMarks&, const OverlayMarks&) = default;
};

// Where the size label and the magnifier go, in desktop pixels.
struct LabelAndMagnifier {
    Rect label;
    Rect magnifier;
};

// The places beside a point for a box, the first preferred: below and right of it, `gap` away,
// then left of it, then above it; only the sides on which the box fits within the area, or, where
// it fits on neither, the box pushed into the area.
std::vector<Rect> PlacesBeside(Point point, Size size, int gap, const Rect& area);

// The size label sits above the marked rectangle where its monitor (`labelArea`) has room, else just
// inside its top edge; the magnifier beside the pointer on the pointer's monitor. Neither covers the
// other: the magnifier takes the first place beside the pointer that keeps clear of the label, and
// where every place meets it, the label gives way, above or below the magnifier (else beside it).
LabelAndMagnifier PlaceLabelAndMagnifier(const Rect& marked, Size label, int labelGap, const Rect& labelArea,
                                         Point pointer, Size magnifier, int magnifierGap, const Rect& pointerArea);

// The frame just outside a rectangle, `width` wide, so that it covers none of the pixels it marks.
std::array<Rect, 4> FrameAround(const Rect& rect, int width);

// The overlay's marks at the scale of its monitor: sizes are given at 96 dots per inch.
class RegionOverlayLayout {
public:
    static constexpr int kMagnifiedPixels = 15;  // across; odd, so that the pointer's pixel is in the middle

    // `area`: the virtual screen that the overlay covers, in desktop pixels.
    RegionOverlayLayout(const Rect& area, int dpi);

    int Scaled(int pixels) const;
    // The side of one magnified pixel.
    int MagnifiedPixelSize() const { return Scaled(kMagnifiedPixelSize); }
    // The magnifier: its pixels in a one-pixel border, and a line of text of that height below.
    Size MagnifierSize(int textHeight) const;
    // The label around a text of that size.
    Size LabelSize(Size text) const;
    // The marks of the selection as it stands, with its label and magnifier of these sizes.
    OverlayMarks Arrange(const RegionSelection& selection, Size labelSize, Size magnifierSize) const;
    // The frame of the marked rectangle: outside a region drawn, inside the window a click takes
    // (a maximised window has no outside on its monitor).
    std::array<Rect, 4> Frame(const OverlayMarks& marks) const;
    Rect ToOverlay(const Rect& desktop) const;
    Point ToOverlay(Point desktop) const;

private:
    static constexpr int kFrame = 1;
    static constexpr int kWindowFrame = 2;
    static constexpr int kLabelGap = 4;
    static constexpr int kLabelPadding = 4;
    static constexpr int kMagnifierGap = 20;
    static constexpr int kMagnifiedPixelSize = 8;

    Rect m_area;
    int m_dpi;
};

}  // namespace snapwright
