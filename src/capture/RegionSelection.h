#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Screen.h"

namespace snapwright {

// The rules of drawing a region on the frozen desktop. Points and rectangles are in desktop
// (virtual-screen) pixels, as the monitors are.

// The rectangle between where a drag started and where it is, whichever way it went: from the
// smaller coordinate to the larger one, whose row or column is not part of it. A drag that ends
// on the last pixel before the edge of the desktop reaches that edge, where the pointer cannot go.
Rect DragRectangle(Point from, Point to, const std::vector<Monitor>& monitors);
// A point kept on the desktop: on the nearest monitor's pixels.
Point ClampToDesktop(Point point, const std::vector<Monitor>& monitors);
// What a click at a point takes: the frame of the first window (top first) that holds it, as far
// as the monitor under the point shows it, or that monitor where no window is.
std::optional<Rect> WindowUnder(Point point, const std::vector<Rect>& windowsTopFirst,
                                const std::vector<Monitor>& monitors);
// Which of them that is: the first (top) window that holds the point; none over the bare desktop.
std::optional<std::size_t> WindowIndexUnder(Point point, const std::vector<Rect>& windowsTopFirst);

enum class ArrowKey { Left, Right, Up, Down };
// The pointer moved by an arrow key: one pixel, ten with Shift, and not off the desktop.
Point StepPointer(Point pointer, ArrowKey key, bool shift, const std::vector<Monitor>& monitors);

// "240 × 180": the size of a region, as the overlay labels it.
std::string SizeText(const Rect& region);

// The drawing of one region: the user points (the window under the pointer is offered), presses,
// drags beyond the click distance and releases, or confirms with Enter; a release without a drag
// takes the window offered. A region of no width or height is refused and drawing starts again.
// Escape or the right button cancels. S takes the window offered to be scrolled whole.
class RegionSelection {
public:
    enum class Step { Pointing, Pressed, Dragging, Taken, Cancelled };
    static constexpr int kClickDistance = 4;  // pixels the pointer may move in a click, as Windows'

    RegionSelection(std::vector<Monitor> monitors, std::vector<Rect> windowsTopFirst, Point pointer);

    void MoveTo(Point pointer);
    void Press(Point pointer);
    void Release(Point pointer);
    void MoveBy(ArrowKey key, bool shift);
    void Confirm();  // Enter
    void Cancel();   // Escape or a right click
    // S: the window offered, to be scrolled from its top to its end; nothing over the bare desktop
    // or while a region is drawn.
    void ScrollWindow();

    Step CurrentStep() const { return m_step; }
    bool Finished() const { return m_step == Step::Taken || m_step == Step::Cancelled; }
    Point Pointer() const { return m_pointer; }
    // What a release or Enter takes now: the region drawn, or the window offered; once taken, the region.
    std::optional<Rect> Marked() const { return m_marked; }
    const std::vector<Monitor>& Monitors() const { return m_monitors; }
    // Once taken: which of the windows was taken whole, by a click, Enter or S; none for a region
    // drawn or a monitor taken over the bare desktop.
    std::optional<std::size_t> TakenWindow() const { return m_step == Step::Taken ? m_window : std::nullopt; }
    // Whether the window was taken by S.
    bool ScrollAsked() const { return m_scrollAsked; }
    // The monitor under the pointer.
    Rect PointerMonitor() const;

private:
    void Follow();
    void Take();

    std::vector<Monitor> m_monitors;
    std::vector<Rect> m_windows;
    Point m_pointer;
    Point m_anchor;
    Step m_step = Step::Pointing;
    std::optional<Rect> m_marked;
    std::optional<std::size_t> m_window;  // the window offered, while one is
    bool m_scrollAsked = false;
};

}  // namespace snapwright
