#pragma once
#include "platform/Picture.h"

namespace snapwright {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts the picture on it. The clipboard keeps what it was given:
    // pictures never change once made, so later captures and edits leave it as it was put.
    virtual bool PutPicture(PicturePtr picture) = 0;
    // The same, with every copy of the picture that the clipboard holds made only when a program
    // asks for it, or when this program ends: a screenshot of any size goes on at once.
    virtual bool OfferPicture(PicturePtr picture) = 0;
};

}  // namespace snapwright
