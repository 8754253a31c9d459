#pragma once
#include <cstdint>
#include <optional>

#include "capture/ScrollPorts.h"

namespace snapwright {

// Grabs of a window that is being scrolled, taken once it is still: two grabs in a row that agree.
// After a request to scroll, grabs that still show the frame before do not count until the window
// has had the time to answer, which it learns from the window's answers so far.
class SettledGrabs {
public:
    explicit SettledGrabs(IScrolledWindow& window) : m_window(window) {}

    // What the window shows once it is still; `afterRequest`: it was just asked to scroll. The rows
    // are valid until the next grab; none when the screen could not be read.
    std::optional<PixelRows> Take(bool afterRequest);
    // The hash of the last frame taken, and its rows while no other grab has been made.
    std::uint64_t LastHash() const { return m_lastHash; }
    std::optional<PixelRows> Last() const { return m_last; }
    // How long a window is given to answer a request before it counts as not moving.
    int AnswerTime() const;

private:
    IScrolledWindow& m_window;
    std::uint64_t m_lastHash = 0;
    std::optional<PixelRows> m_last;
    std::int64_t m_slowestAnswer = -1;
    int m_firstGrabDelay = 0;
};

}  // namespace snapwright
