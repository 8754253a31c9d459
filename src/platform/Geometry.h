#pragma once
#include <cstdint>

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

// A colour as Windows stores it: 0x00BBGGRR.
using Colour = std::uint32_t;

// An opaque reference to a window of the platform (0 = none).
using WindowRef = std::uintptr_t;

}  // namespace snapwright
