#pragma once
#include "editor/EditorPorts.h"

namespace snapwright {

// The view scrolls in steps of 50 pixels.
inline constexpr int kScrollStep = 50;

// The largest scroll value for a picture length and a view length: the pixels beyond the view in
// whole steps, to the nearest (halves to even). Negative when the picture is the smaller.
int ScrollMaximum(int pictureLength, int viewLength);

// The first picture pixel the view shows along one axis: whole steps, except at the maximum,
// where the picture's far edge meets the view's.
int ScrollOffset(int value, int maximum, int pictureLength, int viewLength);

// Where the view and its scroll bars go in the editor's client area, for a picture of a size.
struct ViewLayout {
    Rect view;
    Rect horizontalBar;
    Rect verticalBar;
    bool horizontalShown = false;
    bool verticalShown = false;
    int horizontalMaximum = 0;
    int verticalMaximum = 0;
};

// The view fills the client area from its origin, less room for the scroll bars; each bar shows
// when the picture is larger than the view that way. With a picture, a view larger than it then
// shrinks to it (the bars keep their places).
ViewLayout LayOutView(Size client, Point viewOrigin, int barThickness, Size picture, bool hasPicture);

}  // namespace snapwright
