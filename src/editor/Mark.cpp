#include "editor/Mark.h"

#include <algorithm>
#include <cstdlib>

#include "editor/TileMask.h"

namespace snapwright {

std::optional<std::size_t> Mark::HandleAt(Point at) const {
    std::optional<std::size_t> nearest;
    int nearestDistance = kHandleReach + 1;
    const std::vector<Point> handles = Handles();
    for (std::size_t i = 0; i < handles.size(); ++i) {
        const int distance = std::max(std::abs(handles[i].x - at.x), std::abs(handles[i].y - at.y));
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void Mark::Cover(TileMask& tiles) const {
    tiles.MarkRect(Bounds());
}

}  // namespace snapwright
