#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace snapwright {

// A control of the editor's toolbar as the layout sees it: its width, the gap before it, and
// whether a group of controls starts with it.
struct ToolbarItem {
    int width = 0;
    int gapBefore = 0;
    bool startsGroup = false;
};

// Where the toolbar's controls stand in a window of a width, and where the rows end.
struct ToolbarPlaces {
    std::vector<Point> places;  // of each item, its top-left corner
    int bottom = 0;             // of the last row
};

// The controls in rows, from left to right and from the top, `margin` from the window's edges,
// each row `rowHeight` high and `rowGap` below the one before: a control that would reach past
// the right margin starts a new row, and so does a group that would, when it fits on a row of its
// own. So every control stays reachable however narrow the window, and groups stay together where
// they can. A control wider than a row stands alone on one.
ToolbarPlaces LayOutToolbarRows(const std::vector<ToolbarItem>& items, int width, int margin, int rowHeight,
                                int rowGap);

}  // namespace snapwright
