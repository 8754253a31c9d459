#pragma once
#include <string>

#include "platform/Geometry.h"

namespace snapwright {

// The region overlay's labels in a language: a region's size ("240 × 180") and the pointer's place
// on the desktop ("12, 40"), the numbers as digits.
std::string RegionSizeLabel(const Rect& region, int language);
std::string PointerPlaceLabel(Point pointer, int language);

}  // namespace snapwright
