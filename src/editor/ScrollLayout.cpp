#include "editor/ScrollLayout.h"

#include <cmath>

namespace snapwright {

int ScrollMaximum(int pictureLength, int viewLength) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pictureLength - viewLength) / kScrollStep));
}

int ScrollOffset(int value, int maximum, int pictureLength, int viewLength) {
    return value == maximum ? pictureLength - viewLength : kScrollStep * value;
}

ViewLayout LayOutView(Size client, Point viewOrigin, int barThickness, Size picture, bool hasPicture) {
    ViewLayout layout;
    const int width = client.width - viewOrigin.x - barThickness;
    const int height = client.height - viewOrigin.y - barThickness;
    layout.horizontalShown = width < picture.width;
    layout.verticalShown = picture.height > height;
    layout.horizontalBar = {viewOrigin.x, viewOrigin.y + height, width, barThickness};
    layout.verticalBar = {viewOrigin.x + width, viewOrigin.y, barThickness, height};
    // The maxima are taken against the full view, before it shrinks to a smaller picture.
    layout.horizontalMaximum = ScrollMaximum(picture.width, width);
    layout.verticalMaximum = ScrollMaximum(picture.height, height);
    layout.view = {viewOrigin.x, viewOrigin.y, width, height};
    if (hasPicture) {
        if (layout.view.width > picture.width) layout.view.width = picture.width;
        if (layout.view.height > picture.height) layout.view.height = picture.height;
    }
    return layout;
}

}  // namespace snapwright
