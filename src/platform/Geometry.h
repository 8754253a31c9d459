#pragma once
#include <cstdint>
#include <vector>

namespace snapwright {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle by its left/top corner and its size; the unit is given by the user (pixels or twips).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A monitor in virtual-screen pixels: the primary monitor's top-left corner is (0, 0), and a
// monitor left of or above it has negative coordinates. The work area leaves out the task bar.
struct Monitor {
    Rect bounds;
    Rect workArea;
    bool primary = false;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// A colour as Windows stores it: 0x00BBGGRR.
using Colour = std::uint32_t;

// An opaque reference to a window of the platform (0 = none).
using WindowRef = std::uintptr_t;

// No width or no height.
bool IsEmpty(const Rect& rect);
bool Contains(const Rect& rect, Point point);
// A rectangle with `by` pixels more on every side (fewer where `by` is negative).
Rect Grown(const Rect& rect, int by);
// The smallest rectangle around both; an empty one counts as nothing.
Rect Union(const Rect& a, const Rect& b);
// The overlap of two rectangles; an empty rectangle (no width or height) when they do not meet.
Rect Intersection(const Rect& a, const Rect& b);
// A window of a size in the middle of an area, moved into it where it would stick out; a window
// larger than the area starts at the area's top-left corner.
Rect CentredIn(Size size, const Rect& area);

// The smallest rectangle around every monitor: the virtual screen. Empty without monitors.
Rect BoundingRectangle(const std::vector<Monitor>& monitors);
// The parts of an area that the monitors show, one per monitor that shows any of it.
std::vector<Rect> ShownParts(const Rect& area, const std::vector<Monitor>& monitors);
// The monitor that holds a point, or the nearest one to it; null without monitors.
const Monitor* MonitorAt(const std::vector<Monitor>& monitors, Point point);
// The monitor that shows the largest part of a rectangle, or the nearest one when none shows any.
const Monitor* MonitorOf(const std::vector<Monitor>& monitors, const Rect& rect);

}  // namespace snapwright
