#pragma once
#include <windows.h>

#include "platform/ScreenCapture.h"

namespace snapwright::win32 {

// A rectangle of a device context copied into a picture of the same size; with a zoom other than
// 1 the rectangle is stretched (halftone) to zoom times its size into the picture's top-left corner.
PicturePtr DCToPicture(HDC source, int left, int top, int width, int height, float zoom);

// A block of one context copied into another, as BitBlt does, in bands of rows; false when a band
// could not be copied.
bool CopyInBands(HDC target, int left, int top, int width, int height, HDC source, int sourceLeft, int sourceTop);

class GdiScreenCapture : public IScreenCapture {
public:
    PicturePtr GrabScreenArea(const Rect& area, const std::vector<Rect>& shownParts) override;
};

}  // namespace snapwright::win32
