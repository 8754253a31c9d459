#include "capture/SettledGrabs.h"

#include <algorithm>

#include "capture/FrameOffsets.h"

namespace snapwright {

namespace {

// Between the starts of two grabs of an area that is still changing.
constexpr int kSettleInterval = 20;
// A window answers a request to scroll within this time, or it did not move; once it has answered
// a few, within four times its slowest answer, but never less than the shortest time here.
constexpr int kAnswerTime = 300;
constexpr int kShortestAnswerTime = 200;
// The wait before the first grab after a request grows by this while first grabs catch the window
// still painting.
constexpr int kFirstGrabDelayStep = 20;
constexpr int kLongestFirstGrabDelay = 200;
// An area that is never still (an animation) is taken as it is after this time.
constexpr int kSettleLimit = 3000;

}  // namespace

int SettledGrabs::AnswerTime() const {
    if (m_slowestAnswer < 0) return kAnswerTime;
    return static_cast<int>(std::clamp<std::int64_t>(4 * m_slowestAnswer, kShortestAnswerTime, kAnswerTime));
}

std::optional<PixelRows> SettledGrabs::Take(bool afterRequest) {
    const std::int64_t start = m_window.Milliseconds();
    if (afterRequest && m_firstGrabDelay > 0) m_window.Wait(m_firstGrabDelay);
    const std::uint64_t before = m_lastHash;
    std::optional<std::uint64_t> previous;
    std::optional<std::uint64_t> firstChange;
    int grabs = 0;
    PixelRows rows;
    m_last.reset();
    for (;;) {
        const std::int64_t grabStart = m_window.Milliseconds();
        rows = m_window.Grab();
        const std::int64_t grabEnd = m_window.Milliseconds();
        ++grabs;
        if (rows.height <= 0) return std::nullopt;
        const std::uint64_t hash = FrameHash(rows);
        const std::int64_t waited = grabEnd - start;
        if (afterRequest && !firstChange && hash != before) {
            firstChange = hash;
            // The window answered while this grab read the screen: halfway through it, as near as
            // can be told.
            m_slowestAnswer = std::max(m_slowestAnswer, (grabStart + grabEnd) / 2 - start);
        }
        const bool waiting = afterRequest && !firstChange && waited < AnswerTime();
        if ((previous == hash && !waiting) || waited >= kSettleLimit) {
            m_lastHash = hash;
            break;
        }
        previous = hash;
        // A grab that took the interval itself is time enough for the window to change.
        const std::int64_t grabTime = grabEnd - grabStart;
        if (grabTime < kSettleInterval) m_window.Wait(static_cast<int>(kSettleInterval - grabTime));
    }
    // A first grab that caught the window still painting costs a whole grab: the next request waits
    // longer before its first grab; one that caught it done, hardly less, so that the wait settles
    // just above what the window needs.
    if (firstChange && *firstChange != m_lastHash) {
        m_firstGrabDelay = std::min(m_firstGrabDelay + kFirstGrabDelayStep, kLongestFirstGrabDelay);
    } else if (firstChange && grabs == 2) {
        m_firstGrabDelay = std::max(m_firstGrabDelay - kFirstGrabDelayStep / 10, 0);
    }
    m_last = rows;
    return rows;
}

}  // namespace snapwright
