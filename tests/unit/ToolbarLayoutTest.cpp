#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/ToolbarLayout.h"

namespace snapwright {
namespace {

// The editor's toolbar at 96 dots per inch: six file buttons, three office buttons, undo, eight
// tools, the strength label and list, the colour and help; buttons 30 wide, 2 apart, groups 10.
std::vector<ToolbarItem> EditorToolbar() {
    std::vector<ToolbarItem> items;
    for (int group : {6, 3, 1, 8}) {
        for (int i = 0; i < group; ++i) items.push_back({30, i == 0 ? 10 : 2, i == 0});
    }
    items.push_back({108, 10, true});
    items.push_back({30, 6, false});
    items.push_back({30, 10, true});
    return items;
}

TEST(ToolbarLayoutTest, AWideWindowHasOneRowANarrowOneWrapsWholeGroupsAndEveryControlStaysInside) {
    const std::vector<ToolbarItem> items = EditorToolbar();
    const ToolbarPlaces wide = LayOutToolbarRows(items, 1200, 4, 30, 4);
    EXPECT_EQ(wide.bottom, 34);
    EXPECT_EQ(wide.places[6].x, 4 + 6 * 30 + 5 * 2 + 10);  // a group's gap before the office buttons
    EXPECT_EQ(wide.places.back(), (Point{4 + 18 * 30 + 14 * 2 + 4 * 10 + 108 + 6 + 30 + 10, 4}));

    for (int width : {500, 300, 150, 90}) {
        const ToolbarPlaces narrow = LayOutToolbarRows(items, width, 4, 30, 4);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Point at = narrow.places[i];
            EXPECT_GE(at.x, 4) << width << " " << i;
            EXPECT_TRUE(at.x + items[i].width <= width - 4 || at.x == 4) << width << " " << i;
            if (i > 0 && at.y == narrow.places[i - 1].y) {
                EXPECT_GE(at.x, narrow.places[i - 1].x + items[i - 1].width + items[i].gapBefore) << width << " " << i;
            }
        }
        EXPECT_EQ(narrow.bottom, narrow.places.back().y + 30);
    }
    // At 500 pixels the tools start the second row, and the strength list with the colour follows them.
    const ToolbarPlaces five = LayOutToolbarRows(items, 500, 4, 30, 4);
    EXPECT_EQ(five.places[9], (Point{338 - 30, 4}));
    EXPECT_EQ(five.places[10], (Point{4, 38}));
    EXPECT_EQ(five.places[18], (Point{4 + 8 * 30 + 7 * 2 + 10, 38}));
    EXPECT_EQ(five.bottom, 68);
    // A control wider than the row stands alone at the margin.
    const ToolbarPlaces tight = LayOutToolbarRows(items, 90, 4, 30, 4);
    EXPECT_EQ(tight.places[18], (Point{4, tight.places[17].y + 34}));
    EXPECT_EQ(tight.places[19].y, tight.places[18].y + 34);
}

}  // namespace
}  // namespace snapwright
