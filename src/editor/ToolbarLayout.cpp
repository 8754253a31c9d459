#include "editor/ToolbarLayout.h"

namespace snapwright {

ToolbarPlaces LayOutToolbarRows(const std::vector<ToolbarItem>& items, int width, int margin, int rowHeight,
                                int rowGap) {
    ToolbarPlaces laid;
    const int right = width - margin;
    int x = margin;
    int y = margin;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool rowStarted = x > margin;
        int reach = items[i].width;  // what must fit after the gap: the item, or its whole group
        if (items[i].startsGroup) {
            for (std::size_t k = i + 1; k < items.size() && !items[k].startsGroup; ++k) {
                reach += items[k].gapBefore + items[k].width;
            }
            if (margin + reach > right) reach = items[i].width;
        }
        const int gap = rowStarted ? items[i].gapBefore : 0;
        if (rowStarted && x + gap + reach > right) {
            x = margin;
            y += rowHeight + rowGap;
        }
        x += x > margin ? items[i].gapBefore : 0;
        laid.places.push_back({x, y});
        x += items[i].width;
    }
    laid.bottom = y + rowHeight;
    return laid;
}

}  // namespace snapwright
