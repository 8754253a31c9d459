#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/ScrollPorts.h"
#include "platform/Screen.h"
#include "platform/UserMessages.h"
#include "model/Settings.h"

namespace snapwright {

// How a scrolling capture ended.
enum class ScrollEnding {
    Bottom,         // the area no longer moved
    DoesNotScroll,  // nothing moved it: the picture is the window as it is
    HeightLimit,    // the picture reached the height limit
    Stopped,        // the user pressed Escape
    WindowLost,     // the window closed, moved or changed its size
};

struct ScrollOutcome {
    PicturePtr picture;  // null when the window could not be read (the user has been told)
    ScrollEnding ending = ScrollEnding::Bottom;
    std::string note;  // in words for the user, where the ending needs them; else empty
};

// Where the note goes: on the area's monitor, outside the area (below it, above it, right or left
// of it, the first place where it fits whole in the work area); where the area leaves no room, in
// the work area's lower right corner, over the area, and away whenever the area is grabbed.
struct NotePlacement {
    Rect place;
    bool overArea = false;
    friend bool operator==(const NotePlacement&, const NotePlacement&) = default;
};
NotePlacement PlaceNote(Size note, const Rect& area, const std::vector<Monitor>& monitors);

// A whole window longer than its view, in one picture: the window is scrolled to its top, its frames
// are taken step by step and stitched until it no longer moves or the picture reaches the height
// limit, and it is scrolled back to where the user had it. The wheel is tried first, then the
// scroll bar, then the page keys, and what a step moved is measured in the pixels.
class ScrollCapture {
public:
    struct Ports {
        CaptureEngine& engine;
        CurrentShot& currentShot;
        IUserMessages& messages;
        const IScreen& screen;
        IScrollNote& note;
        // The window to scroll, for one capture; null when it cannot be scrolled or read.
        std::function<std::unique_ptr<IScrolledWindow>(WindowRef window)> openWindow;
        // A tall picture of a width for up to `rows` rows, or for fewer where the memory is not
        // there; null when not even `fewest` fit.
        std::function<std::unique_ptr<ITallPicture>(int width, int rows, int fewest)> newPicture;
        const Settings& settings;
        int heightLimit;
    };

    explicit ScrollCapture(Ports ports);

    // The window comes in front first. The picture becomes the current screenshot and goes onto the
    // clipboard. The outcome has no picture when the window could not be read or stays covered by
    // another (the user has been told), or while a capture runs already.
    ScrollOutcome Take(WindowRef window);

private:
    Ports m_ports;
    bool m_busy = false;
};

}  // namespace snapwright
