#pragma once

namespace snapwright {

// A shot's size on the page, in millimetres.
struct FittedSize {
    double width = 0;
    double height = 0;
    friend bool operator==(const FittedSize&, const FittedSize&) = default;
};

// The largest size of the shot's own aspect that fits into the box (box sizes are whole
// millimetres). Widths come out whole (to nearest, halves to even); heights may carry a fraction.
// A shot without pixels has no size.
FittedSize FitShot(int shotWidth, int shotHeight, int boxWidth, int boxHeight);

}  // namespace snapwright
