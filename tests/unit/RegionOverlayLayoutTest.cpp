#include "capture/RegionOverlayLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "capture/DesktopRows.h"

namespace snapwright {
namespace {

// Two layouts with monitors left of and above the primary, in negative coordinates.
const std::vector<Monitor> kBesideLeft{{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true},
                                       {{-1280, -256, 1280, 1024}, {-1280, -256, 1280, 984}, false}};
const std::vector<Monitor> kAbove{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
                                  {{-300, -900, 1600, 900}, {-300, -900, 1600, 860}, false}};

bool Overlap(const Rect& a, const Rect& b) {
    return !IsEmpty(Intersection(a, b));
}

bool Within(const Rect& inner, const Rect& outer) {
    return Intersection(inner, outer) == inner;
}

std::string Describe(const Rect& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + ", " +
           std::to_string(r.height) + "}";
}

// Near each corner of every monitor of both layouts, at two scales, the size label and the
// magnifier never cover each other, stay on their monitors and leave the pointer's pixel free:
// for a region dragged into the corner, one dragged out of it, and the window a click takes.
TEST(RegionOverlayLayout, TheLabelAndTheMagnifierNeverCoverEachOtherNearAnyCorner) {
    for (const std::vector<Monitor>& monitors : {kBesideLeft, kAbove}) {
        const Rect area = BoundingRectangle(monitors);
        for (const int dpi : {96, 192}) {
            const RegionOverlayLayout layout(area, dpi);
            const Size label = layout.LabelSize({layout.Scaled(62), layout.Scaled(15)});  // "124 × 118"
            const Size magnifier = layout.MagnifierSize(layout.Scaled(19));
            for (const Monitor& monitor : monitors) {
                const Rect& b = monitor.bounds;
                const int inset = 3;
                const Point corners[] = {{b.left + inset, b.top + inset},
                                         {b.left + b.width - 1 - inset, b.top + inset},
                                         {b.left + inset, b.top + b.height - 1 - inset},
                                         {b.left + b.width - 1 - inset, b.top + b.height - 1 - inset}};
                for (const Point corner : corners) {
                    // 124 x 118 away from the corner, towards the middle of the monitor.
                    const Point away{corner.x + (corner.x < b.left + b.width / 2 ? 124 : -124),
                                     corner.y + (corner.y < b.top + b.height / 2 ? 118 : -118)};
                    const Rect window{std::min(corner.x, away.x), std::min(corner.y, away.y), 124, 118};
                    RegionSelection into(monitors, {}, away);
                    into.Press(away);
                    into.MoveTo(corner);
                    RegionSelection outOf(monitors, {}, corner);
                    outOf.Press(corner);
                    outOf.MoveTo(away);
                    RegionSelection pointing(monitors, {window}, corner);
                    for (const RegionSelection* selection : {&into, &outOf, &pointing}) {
                        const OverlayMarks marks = layout.Arrange(*selection, label, magnifier);
                        const Rect onMonitor = layout.ToOverlay(b);
                        const Point pointer = layout.ToOverlay(selection->Pointer());
                        const std::string where = "monitor " + Describe(b) + " at " + std::to_string(dpi) +
                                                  " dpi, pointer " + std::to_string(selection->Pointer().x) + ", " +
                                                  std::to_string(selection->Pointer().y) + ": label " +
                                                  Describe(marks.label) + ", magnifier " + Describe(marks.magnifier);
                        ASSERT_TRUE(marks.marked) << where;
                        EXPECT_FALSE(Overlap(marks.label, marks.magnifier)) << where;
                        EXPECT_TRUE(Within(marks.label, onMonitor)) << where;
                        EXPECT_TRUE(Within(marks.magnifier, onMonitor)) << where;
                        EXPECT_FALSE(Contains(marks.magnifier, pointer)) << where;
                    }
                }
            }
        }
    }
}

// Away from the edges the label sits above the region's left end and the magnifier below and right
// of the pointer, where they always were; without room above, the label goes just inside the top.
TEST(RegionOverlayLayout, PlacesWithRoomAndThePreferredSidesBesideThePointer) {
    const LabelAndMagnifier free =
        PlaceLabelAndMagnifier({300, 300, 200, 100}, {70, 22}, 5, kBesideLeft[0].bounds, {500, 400}, {122, 141}, 20,
                               kBesideLeft[0].bounds);
    EXPECT_EQ(free.label, (Rect{300, 273, 70, 22}));
    EXPECT_EQ(free.magnifier, (Rect{520, 420, 122, 141}));
    const LabelAndMagnifier top =
        PlaceLabelAndMagnifier({-1000, -250, 200, 100}, {70, 22}, 5, kBesideLeft[1].bounds, {-800, -150}, {122, 141},
                               20, kBesideLeft[1].bounds);
    EXPECT_EQ(top.label, (Rect{-1000, -245, 70, 22})) << "inside the top of the region";

    const Rect monitor = kBesideLeft[0].bounds;
    EXPECT_EQ(PlacesBeside({500, 400}, {100, 100}, 20, monitor).size(), 4u);
    EXPECT_EQ(PlacesBeside({1020, 760}, {100, 100}, 20, monitor),
              (std::vector<Rect>{{900, 640, 100, 100}})) << "in the corner only up and left";
    EXPECT_EQ(PlacesBeside({10, 10}, {100, 2000}, 20, monitor).front(), (Rect{30, 0, 100, 2000}))
        << "taller than the monitor: pushed to its top";
}

// A region drawn is framed outside its pixels; the window a click takes inside its own, so that a
// maximised window's frame stays on its monitor.
TEST(RegionOverlayLayout, TheFrameLiesOutsideARegionAndInsideAWindow) {
    const RegionOverlayLayout layout({-1280, -256, 2304, 1024}, 96);
    OverlayMarks marks;
    marks.marked = Rect{10, 10, 100, 50};
    marks.drawn = true;
    for (const Rect& side : layout.Frame(marks)) EXPECT_FALSE(Overlap(side, *marks.marked));
    marks.drawn = false;
    for (const Rect& side : layout.Frame(marks)) EXPECT_TRUE(Within(side, *marks.marked));
    EXPECT_EQ(layout.ToOverlay(Point{-1280, -256}), (Point{0, 0}));
}

// Each colour keeps five eighths of its value on its own: none runs into the next.
TEST(DesktopRows, DimmingKeepsFiveEighthsOfEachColourAndRowsKeepTheirPixels) {
    for (int shift : {0, 8, 16}) {
        for (std::uint32_t value = 0; value < 256; ++value) {
            const std::uint32_t dimmed = Dimmed(value << shift);
            EXPECT_EQ(dimmed & ~(0xFFu << shift), 0u) << "colour " << shift << " value " << value;
            const std::uint32_t kept = dimmed >> shift;
            EXPECT_LE(kept * 8, value * 5) << value;
            EXPECT_GE(kept * 8 + 16, value * 5) << value;
        }
    }
    // Rows of every length up to nine take the four-at-once path and the rest alike.
    std::vector<std::uint8_t> bytes(27);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0x11 * (i % 15) + i);
    for (int pixels = 1; pixels <= 9; ++pixels) {
        std::vector<std::uint32_t> shown(pixels), dimmed(pixels);
        ShowRow(bytes.data(), shown.data(), pixels, false);
        ShowRow(bytes.data(), dimmed.data(), pixels, true);
        for (int x = 0; x < pixels; ++x) {
            const std::uint32_t pixel = bytes[3 * x] | bytes[3 * x + 1] << 8 | bytes[3 * x + 2] << 16;
            EXPECT_EQ(shown[x], pixel) << pixels << " pixels, pixel " << x;
            EXPECT_EQ(dimmed[x], Dimmed(pixel)) << pixels << " pixels, pixel " << x;
        }
    }
}

}  // namespace
}  // namespace snapwright
