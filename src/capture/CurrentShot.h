#pragma once
#include <utility>

#include "platform/Picture.h"

namespace snapwright {

// The current screenshot: the last capture, or the picture the editor made of it or opened. The
// clipboard copy of a capture and the editor take it from here; the shots a page of two collects
// are kept by the page itself (Hardcopy).
class CurrentShot {
public:
    PicturePtr Get() const { return m_picture; }
    void Set(PicturePtr picture) { m_picture = std::move(picture); }

private:
    PicturePtr m_picture;
};

}  // namespace snapwright
