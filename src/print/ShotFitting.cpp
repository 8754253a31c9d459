#include "print/ShotFitting.h"

#include <cmath>

namespace snapwright {

FittedSize FitShot(int shotWidth, int shotHeight, int boxWidth, int boxHeight) {
    if (shotWidth <= 0 || shotHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
    // The comparison and the sizes come from products of whole numbers, so that a shot of the
    // box's own aspect (a full 4:3 screen) fills the box exactly, without a rounding error.
    const double w = shotWidth;
    const double h = shotHeight;
    if (boxWidth * h <= boxHeight * w) {
        // Wider than the box: the full width, and the height that keeps the aspect.
        return {static_cast<double>(boxWidth), boxWidth * h / w};
    }
    // Taller than the box: the full height, and the width to a whole millimetre. That width
    // never exceeds the box, which is itself a whole number of millimetres.
    return {std::nearbyint(boxHeight * w / h), static_cast<double>(boxHeight)};
}

}  // namespace snapwright
