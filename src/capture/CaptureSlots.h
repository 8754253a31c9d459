#pragma once
#include <utility>

#include "platform/Picture.h"

namespace snapwright {

// The capture slot of the current screenshot: the last capture, or the picture the editor made
// of it or opened. The clipboard copy of a capture and the editor take it from here; the shots
// a page of two collects are kept by the page itself (Hardcopy).
class CaptureSlots {
public:
    PicturePtr Current() const { return m_current; }
    void SetCurrent(PicturePtr picture) { m_current = std::move(picture); }

private:
    PicturePtr m_current;
};

}  // namespace snapwright
