#include "capture/RegionLabels.h"

#include "lang/UserText.h"

namespace snapwright {

std::string RegionSizeLabel(const Rect& region, int language) {
    return UserText(TextId::RegionSizeLabel, language,
                    {{"width", std::to_string(region.width)}, {"height", std::to_string(region.height)}});
}

std::string PointerPlaceLabel(Point pointer, int language) {
    return UserText(TextId::RegionPointerLabel, language, {{"x", std::to_string(pointer.x)}, {"y", std::to_string(pointer.y)}});
}

}  // namespace snapwright
