#pragma once
#include <string>

namespace snapwright {

// A font by its face name and its size in points.
struct MenuFont {
    std::string name;
    double size = 0;
    friend bool operator==(const MenuFont&, const MenuFont&) = default;
};

}  // namespace snapwright
