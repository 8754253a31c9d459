#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "capture/ScrollFrame.h"
#include "platform/Geometry.h"

namespace snapwright {

// The ways of asking a window to scroll, in the order they are tried: many windows (browsers,
// modern lists) have no scroll bar of their own and answer only the wheel.
enum class ScrollMethod { Wheel, ScrollBar, Keys };

// What a window's own vertical scroll bar tells, in its own units (lines, items or pixels).
struct ScrollBarState {
    int position = 0;
    int first = 0;
    int last = 0;  // the last position the top of the view can take
    int page = 0;  // the units the view shows; 0 when the window does not say
    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

// The window that a scrolling capture scrolls and takes, for as long as the capture lasts; the
// program's own windows go on answering while it waits.
class IScrolledWindow {
public:
    virtual ~IScrolledWindow() = default;
    // What is taken: the window by the frame the user sees, in virtual-screen pixels.
    virtual Rect Area() const = 0;
    // The height of the part that scrolls, in pixels, where the window tells it; else 0.
    virtual int ViewHeight() const = 0;
    // What the area shows now. The rows are valid until the next grab; none (height 0) when the
    // screen could not be read.
    virtual PixelRows Grab() = 0;
    virtual std::optional<ScrollBarState> ScrollBar() const = 0;
    // Asks the window to scroll by `amount` wheel notches, scroll bar units or pages (down when
    // positive); false when the window cannot be asked that way.
    virtual bool Scroll(ScrollMethod method, int amount) = 0;
    // Asks the window to go to its top (its scroll bar's first position, or Ctrl+Home) or to a
    // position of its scroll bar.
    virtual bool ScrollToTop(ScrollMethod method) = 0;
    virtual bool ScrollBarTo(int position) = 0;
    // Brings the window in front of every other and waits until none lies over what is taken;
    // false when one stays there.
    virtual bool ComeToFront() = 0;
    // False once the window has closed, moved or changed its size.
    virtual bool StillThere() const = 0;
    // Whether the user asked to stop (Escape), since the capture began.
    virtual bool StopAsked() = 0;
    virtual void Wait(int milliseconds) = 0;
    // A clock for the waits, in milliseconds from any start.
    virtual std::int64_t Milliseconds() const = 0;
};

// The small note beside the area while it is scrolled: what is happening, how to stop it and how
// many pixels have been taken. It takes no keys and is never in the picture.
class IScrollNote {
public:
    virtual ~IScrollNote() = default;
    // The note's size for its texts, in pixels.
    virtual Size Measure(const std::string& heading, const std::string& count) = 0;
    virtual void Show(const Rect& place, const std::string& heading, const std::string& count) = 0;
    virtual void Hide() = 0;
};

}  // namespace snapwright
