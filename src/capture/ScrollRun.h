#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "capture/FrameOffsets.h"
#include "capture/ScrollCapture.h"
#include "capture/ScrollStitcher.h"
#include "capture/SettledGrabs.h"

namespace snapwright {

// One scrolling capture of one window: the way to its top, the steps down stitched into the picture,
// and the way back to where the user had it.
class ScrollRun {
public:
    ScrollRun(const ScrollCapture::Ports& ports, IScrolledWindow& window);

    ScrollOutcome Go();

private:
    // What one notch, scroll bar unit or page moved the content by, once measured.
    struct Unit {
        double pixels = 0;
        bool measured = false;
    };

    std::string CountText(int pixels) const;
    void PlaceNote();
    void ShowNote(int pixels);
    std::optional<PixelRows> Settled(bool afterRequest);
    void GoToTop();
    bool GoUpMeasuring(ScrollMethod method);
    ScrollEnding GoDown(ScrollStitcher& stitcher);
    bool RushToTop(ScrollMethod method);
    void GoBack();
    bool Send(ScrollMethod method, int amount);
    std::optional<int> DistanceFromUsersFrame(const PixelRows& frame);
    int Amount(ScrollMethod method) const;
    OffsetHint Hint(ScrollMethod method, int amount, const std::optional<ScrollBarState>& before,
                    const std::optional<ScrollBarState>& after, int lastMove) const;
    void Learn(ScrollMethod method, int amount, int moved);
    Unit& UnitOf(ScrollMethod method) { return m_units[static_cast<std::size_t>(method)]; }
    const Unit& UnitOf(ScrollMethod method) const { return m_units[static_cast<std::size_t>(method)]; }
    int ViewHeight() const { return m_window.ViewHeight() > 0 ? m_window.ViewHeight() : m_area.height; }
    std::string Elapsed() const { return std::to_string(m_window.Milliseconds() - m_start) + " ms"; }

    const ScrollCapture::Ports& m_ports;
    IScrolledWindow& m_window;
    Rect m_area;
    std::int64_t m_start;
    Rect m_notePlace;
    bool m_noteCovers = false;
    bool m_noteShown = false;
    std::string m_heading;
    int m_shownPixels = 0;

    SettledGrabs m_grabs;
    std::uint64_t m_stitchedHash = 0;  // of the last frame that the stitching moved on with
    std::optional<FrameOffsets> m_offsets;
    // The frame the user had, and where the window was then.
    std::uint64_t m_userHash = 0;
    std::vector<std::uint64_t> m_userRows;
    std::optional<ScrollBarState> m_userScrollBar;
    int m_userFromTop = 0;  // pixels, as measured on the way up
    bool m_userFromTopKnown = true;
    int m_fromTop = 0;  // where the window is now, in pixels from its top
    std::optional<ScrollMethod> m_moving;  // the way that moved the window
    bool m_scrollBarAnswers = false;
    bool m_atTop = false;  // the window is known to have been at its top when the stitching began
    bool m_triedUp[3] = {false, false, false};
    bool m_stopped = false;
    Unit m_units[3];
};

}  // namespace snapwright
