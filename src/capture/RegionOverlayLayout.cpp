#include "capture/RegionOverlayLayout.h"

#include <algorithm>

namespace snapwright {

namespace {

// Where a box `length` long goes along one axis: after the point, before it, or both, as it fits
// between `first` and `end`; pushed between them where it fits on neither side.
std::vector<int> PlacesAlong(int point, int length, int gap, int first, int end) {
    const long long after = static_cast<long long>(point) + gap;
    const long long before = static_cast<long long>(point) - gap - length;
    std::vector<int> places;
    if (after + length <= end) places.push_back(static_cast<int>(after));
    if (before >= first) places.push_back(static_cast<int>(before));
    if (places.empty()) {
        places.push_back(static_cast<int>(std::max<long long>(std::min<long long>(after, static_cast<long long>(end) - length), first)));
    }
    return places;
}

bool Overlap(const Rect& a, const Rect& b) {
    return !IsEmpty(Intersection(a, b));
}

bool Within(const Rect& inner, const Rect& outer) {
    return Intersection(inner, outer) == inner;
}

// The label, moved out of the magnifier's way where its monitor has room: above or below the
// magnifier, keeping its column, else left or right of it, keeping its row.
Rect LabelClearOf(const Rect& label, const Rect& magnifier, int gap, const Rect& area) {
    const Rect moves[] = {
        {label.left, magnifier.top - gap - label.height, label.width, label.height},
        {label.left, magnifier.top + magnifier.height + gap, label.width, label.height},
        {magnifier.left - gap - label.width, label.top, label.width, label.height},
        {magnifier.left + magnifier.width + gap, label.top, label.width, label.height},
    };
    for (const Rect& moved : moves) {
        if (Within(moved, area) && !Overlap(moved, magnifier)) return moved;
    }
    return label;  // a monitor too small for both
}

}  // namespace

std::vector<Rect> PlacesBeside(Point point, Size size, int gap, const Rect& area) {
    std::vector<Rect> places;
    for (int top : PlacesAlong(point.y, size.height, gap, area.top, area.top + area.height)) {
        for (int left : PlacesAlong(point.x, size.width, gap, area.left, area.left + area.width)) {
            places.push_back({left, top, size.width, size.height});
        }
    }
    return places;
}

LabelAndMagnifier PlaceLabelAndMagnifier(const Rect& marked, Size label, int labelGap, const Rect& labelArea,
                                         Point pointer, Size magnifier, int magnifierGap, const Rect& pointerArea) {
    int top = marked.top - labelGap - label.height;
    if (top < labelArea.top) top = marked.top + labelGap;
    const int left = std::max(labelArea.left, std::min(marked.left, labelArea.left + labelArea.width - label.width));
    const Rect labelPlace{left, top, label.width, label.height};

    const std::vector<Rect> places = PlacesBeside(pointer, magnifier, magnifierGap, pointerArea);
    for (const Rect& place : places) {
        if (!Overlap(place, labelPlace)) return {labelPlace, place};
    }
    return {LabelClearOf(labelPlace, places.front(), labelGap, labelArea), places.front()};
}

std::array<Rect, 4> FrameAround(const Rect& r, int width) {
    return {{{r.left - width, r.top - width, r.width + 2 * width, width},
             {r.left - width, r.top + r.height, r.width + 2 * width, width},
             {r.left - width, r.top, width, r.height},
             {r.left + r.width, r.top, width, r.height}}};
}

RegionOverlayLayout::RegionOverlayLayout(const Rect& area, int dpi) : m_area(area), m_dpi(dpi > 0 ? dpi : 96) {}

int RegionOverlayLayout::Scaled(int pixels) const {
    return static_cast<int>((static_cast<long long>(pixels) * m_dpi + 48) / 96);
}

Size RegionOverlayLayout::MagnifierSize(int textHeight) const {
    const int cells = kMagnifiedPixels * MagnifiedPixelSize();
    return {cells + 2, cells + 2 + textHeight};
}

Size RegionOverlayLayout::LabelSize(Size text) const {
    return {text.width + 2 * Scaled(kLabelPadding), text.height + Scaled(kLabelPadding)};
}

// The label keeps clear of the frame around a region drawn.
OverlayMarks RegionOverlayLayout::Arrange(const RegionSelection& selection, Size labelSize, Size magnifierSize) const {
    OverlayMarks marks;
    const Point pointer = selection.Pointer();
    const int magnifierGap = Scaled(kMagnifierGap);
    const std::optional<Rect> marked = selection.Marked();
    if (!marked) {
        marks.magnifier = ToOverlay(PlacesBeside(pointer, magnifierSize, magnifierGap, selection.PointerMonitor()).front());
        return marks;
    }
    marks.marked = ToOverlay(*marked);
    marks.drawn = selection.CurrentStep() != RegionSelection::Step::Pointing &&
                  selection.CurrentStep() != RegionSelection::Step::Pressed;
    const Monitor* monitor = MonitorAt(selection.Monitors(), {marked->left, marked->top});
    const LabelAndMagnifier placed =
        PlaceLabelAndMagnifier(*marked, labelSize, Scaled(kLabelGap) + Scaled(kFrame), monitor ? monitor->bounds : m_area,
                               pointer, magnifierSize, magnifierGap, selection.PointerMonitor());
    marks.label = ToOverlay(placed.label);
    marks.magnifier = ToOverlay(placed.magnifier);
    return marks;
}

std::array<Rect, 4> RegionOverlayLayout::Frame(const OverlayMarks& marks) const {
    if (!marks.marked) return {};
    if (marks.drawn) return FrameAround(*marks.marked, Scaled(kFrame));
    const int width = Scaled(kWindowFrame);
    const Rect& r = *marks.marked;
    return FrameAround({r.left + width, r.top + width, r.width - 2 * width, r.height - 2 * width}, width);
}

Rect RegionOverlayLayout::ToOverlay(const Rect& desktop) const {
    return {desktop.left - m_area.left, desktop.top - m_area.top, desktop.width, desktop.height};
}

Point RegionOverlayLayout::ToOverlay(Point desktop) const {
    return {desktop.x - m_area.left, desktop.y - m_area.top};
}

}  // namespace snapwright
