#pragma once

namespace snapwright {

// The primary screen as the display reports it (never assuming 96 dots per inch).
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual int WidthPixels() const = 0;
    virtual int HeightPixels() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
};

}  // namespace snapwright
