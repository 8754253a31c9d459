#include "capture/ScrollRun.h"

#include <algorithm>
#include <cmath>

#include "lang/UserText.h"
#include "platform/Diagnostics.h"

namespace snapwright {

namespace {

// Each step scrolls by about this share of the view, so that enough of the frame before stays in
// view to find how far it moved.
constexpr double kStepShare = 0.7;
// The first request of a way of scrolling whose unit is not known yet: three notches, three lines.
constexpr int kFirstAmount = 3;
constexpr int kMostNotches = 40;
// Requests on the way to the top, measured; a document longer than this many is not gone through.
constexpr int kMostRequestsUp = 200;
// Frames taken again after one that changed without moving.
constexpr int kMostRetakes = 3;
// Corrections on the way back to the frame the user had.
constexpr int kMostCorrections = 4;

const ScrollMethod kMethods[] = {ScrollMethod::Wheel, ScrollMethod::ScrollBar, ScrollMethod::Keys};

const char* MethodName(ScrollMethod method) {
    switch (method) {
        case ScrollMethod::Wheel: return "wheel";
        case ScrollMethod::ScrollBar: return "scroll bar";
        case ScrollMethod::Keys: return "keys";
    }
    return "";
}

}  // namespace

ScrollRun::ScrollRun(const ScrollCapture::Ports& ports, IScrolledWindow& window)
    : m_ports(ports), m_window(window), m_area(window.Area()), m_start(window.Milliseconds()), m_grabs(window) {}

std::string ScrollRun::CountText(int pixels) const {
    return UserText(TextId::ScrollingNoteCount, m_ports.settings.Language, {{"pixels", std::to_string(pixels)}});
}

void ScrollRun::PlaceNote() {
    m_heading = UserText(TextId::ScrollingNoteHeading, m_ports.settings.Language);
    const Size size = m_ports.note.Measure(m_heading, CountText(m_ports.heightLimit));
    const NotePlacement placement = snapwright::PlaceNote(size, m_area, m_ports.screen.Monitors());
    m_notePlace = placement.place;
    m_noteCovers = placement.overArea;
}

void ScrollRun::ShowNote(int pixels) {
    m_shownPixels = pixels;
    m_ports.note.Show(m_notePlace, m_heading, CountText(pixels));
    m_noteShown = true;
}

// What the window shows once it is still, with the note away meanwhile where it would be in the
// grabs.
std::optional<PixelRows> ScrollRun::Settled(bool afterRequest) {
    if (m_noteCovers && m_noteShown) {
        m_ports.note.Hide();
        m_noteShown = false;
    }
    std::optional<PixelRows> rows = m_grabs.Take(afterRequest);
    if (m_noteCovers) ShowNote(m_shownPixels);
    return rows;
}

// A scroll bar that tells where the top is brings the window there at once, and back at the end.
// Other windows are scrolled up step by step with the wheel, and the steps measured, so that the
// user's place can be found again; another way up is tried only when the wheel turns out not to
// move the window down either (GoDown).
void ScrollRun::GoToTop() {
    if (m_userScrollBar) {
        m_atTop = m_userScrollBar->position <= m_userScrollBar->first;
        if (m_atTop) return;
        if (m_window.ScrollToTop(ScrollMethod::ScrollBar) && Settled(true)) {
            const std::optional<ScrollBarState> now = m_window.ScrollBar();
            m_scrollBarAnswers = now && now->position < m_userScrollBar->position;
            m_atTop = now && now->position <= now->first;
            if (m_atTop) return;
        }
    }
    GoUpMeasuring(ScrollMethod::Wheel);
}

// True when the method moved the window.
bool ScrollRun::GoUpMeasuring(ScrollMethod method) {
    m_triedUp[static_cast<std::size_t>(method)] = true;
    // The window is still as the last grab showed it: nothing has asked it to move since.
    std::optional<PixelRows> frame = m_grabs.Last();
    if (!frame) frame = Settled(false);
    if (!frame) return false;
    std::vector<std::uint64_t> below = m_offsets->Hash(*frame);
    std::optional<RowBand> band;
    bool moved = false;
    // The last step measured is learned only once another one has moved: the one that reaches the top
    // moves less than it asked for, and steps sized by it down again would leave nothing in common.
    std::optional<std::pair<int, int>> measured;
    for (int request = 0; request < kMostRequestsUp; ++request) {
        if (m_window.StopAsked()) {
            m_stopped = true;
            return moved;
        }
        const std::uint64_t before = m_grabs.LastHash();
        const int amount = Amount(method);
        if (!m_window.Scroll(method, -amount)) return moved;
        frame = Settled(true);
        if (!frame) return moved;
        if (m_grabs.LastHash() == before) {  // at the top, or the window does not answer
            m_atTop = m_atTop || moved;
            return moved;
        }
        moved = true;
        m_moving = method;
        std::vector<std::uint64_t> above = m_offsets->Hash(*frame);
        const std::optional<RowBand> changed = m_offsets->ChangedRows(below, above);
        if (!changed) return moved;
        band = band ? RowBand{std::min(band->top, changed->top), std::max(band->bottom, changed->bottom)} : *changed;
        // Going up, the frame before shows what the frame after shows further down.
        const Unit& unit = UnitOf(method);
        const OffsetHint hint{unit.measured ? static_cast<int>(std::lround(unit.pixels * amount)) : 0, false};
        if (const std::optional<FoundOffset> offset = m_offsets->Find(below, above, *band, hint)) {
            DebugOutput("Scrolling capture: up " + std::string(MethodName(method)) + " " + std::to_string(amount) +
                        " moved " + std::to_string(offset->rows) + (offset->unambiguous ? " rows, measured" : " rows") +
                        " at " + Elapsed());
            m_userFromTop += offset->rows;
            if (measured) Learn(method, measured->first, measured->second);
            measured.reset();
            if (offset->unambiguous) measured.emplace(amount, offset->rows);
        } else {
            m_userFromTopKnown = false;
            DebugOutput("Scrolling capture: a step up could not be measured.");
        }
        below = std::move(above);
    }
    return moved;
}

int ScrollRun::Amount(ScrollMethod method) const {
    const Unit& unit = UnitOf(method);
    if (method == ScrollMethod::Keys) return 1;
    if (unit.measured && unit.pixels > 0) {
        const int amount = std::max(1, static_cast<int>(kStepShare * ViewHeight() / unit.pixels));
        return method == ScrollMethod::Wheel ? std::min(amount, kMostNotches) : amount;
    }
    if (method == ScrollMethod::ScrollBar) {
        const std::optional<ScrollBarState> state = m_window.ScrollBar();
        if (state && state->page > 0) return std::max(1, static_cast<int>(state->page * kStepShare));
    }
    return kFirstAmount;
}

// The scroll bar's movement, in pixels by what its unit was measured to be (or by its page over the
// view until then), is what the window tells; otherwise the request times what a unit of it moved
// before, or what the step before moved.
OffsetHint ScrollRun::Hint(ScrollMethod method, int amount, const std::optional<ScrollBarState>& before,
                           const std::optional<ScrollBarState>& after, int lastMove) const {
    const Unit& bar = UnitOf(ScrollMethod::ScrollBar);
    if (before && after) {
        double perUnit = bar.pixels;
        if (!bar.measured && after->page > 0) perUnit = static_cast<double>(ViewHeight()) / after->page;
        if (perUnit > 0) return {static_cast<int>(std::lround((after->position - before->position) * perUnit)), true};
    }
    const Unit& unit = UnitOf(method);
    if (unit.measured) return {static_cast<int>(std::lround(unit.pixels * amount)), false};
    return {lastMove, false};
}

// A notch, a line or a page moves the same every time, but the last step before the end moves less:
// the most one moved is what it moves.
void ScrollRun::Learn(ScrollMethod method, int amount, int moved) {
    Unit& unit = UnitOf(method);
    unit = {std::max(unit.pixels, static_cast<double>(moved) / amount), true};
}

// The methods are tried in their order until one moves the area; from then on a step that moves
// nothing is the end.
ScrollEnding ScrollRun::GoDown(ScrollStitcher& stitcher) {
    std::vector<ScrollMethod> methods;
    if (m_moving) methods.push_back(*m_moving);
    for (const ScrollMethod method : kMethods) {
        if (std::find(methods.begin(), methods.end(), method) == methods.end()) methods.push_back(method);
    }
    std::size_t current = 0;
    bool moved = false;
    int lastMove = 0;
    for (;;) {
        if (m_window.StopAsked()) return ScrollEnding::Stopped;
        if (!m_window.StillThere()) return ScrollEnding::WindowLost;
        const ScrollMethod method = methods[current];
        // A way that has not been tried up is, while nothing has moved down: the window may not
        // have been at its top, and the stitching starts again from there.
        if (!moved && !m_atTop && !m_triedUp[static_cast<std::size_t>(method)]) {
            if (GoUpMeasuring(method)) {
                const std::optional<PixelRows> top = m_grabs.Last();
                if (!top) return ScrollEnding::WindowLost;
                stitcher.Start(*top);
                m_stitchedHash = m_grabs.LastHash();
            }
            if (m_stopped) return ScrollEnding::Stopped;
        }
        const std::optional<ScrollBarState> before = m_window.ScrollBar();
        const int amount = Amount(method);
        std::optional<PixelRows> frame;
        if (m_window.Scroll(method, amount)) frame = Settled(true);
        if (!m_window.StillThere()) return ScrollEnding::WindowLost;
        StitchStep step;
        if (frame) {
            const std::optional<ScrollBarState> after = m_window.ScrollBar();
            const OffsetHint hint = Hint(method, amount, before, after, lastMove);
            step = stitcher.Add(*frame, hint);
            // A frame that changed but shows no movement may be one the window painted halfway (its
            // background erased before the content came): it is taken again once the window has had
            // the time to answer, for as long as it goes on changing.
            for (int again = 0; step.moved == 0 && again < kMostRetakes && m_grabs.LastHash() != m_stitchedHash; ++again) {
                const std::uint64_t seen = m_grabs.LastHash();
                m_window.Wait(m_grabs.AnswerTime());
                frame = Settled(false);
                if (!frame || m_grabs.LastHash() == seen) break;
                step = stitcher.Add(*frame, hint);
                DebugOutput("Scrolling capture: taken again, moved " + std::to_string(step.moved) + " at " + Elapsed());
            }
            if (step.measured) {
                Learn(method, amount, step.moved);
                if (before && after && after->position > before->position) {
                    UnitOf(ScrollMethod::ScrollBar) = {
                        static_cast<double>(step.moved) / (after->position - before->position), true};
                }
            }
            DebugOutput("Scrolling capture: " + std::string(MethodName(method)) + " " + std::to_string(amount) +
                        " moved " + std::to_string(step.moved) + (step.measured ? " rows, measured" : " rows") +
                        " (hint " + std::to_string(hint.rows) + (hint.told ? ", told)" : ")") + " at " + Elapsed());
        }
        if (step.moved == 0) {
            if (moved) return ScrollEnding::Bottom;
            if (++current == methods.size()) return ScrollEnding::DoesNotScroll;
            continue;
        }
        moved = true;
        m_moving = method;
        m_stitchedHash = m_grabs.LastHash();
        m_fromTop += step.moved;
        if (method == ScrollMethod::ScrollBar) m_scrollBarAnswers = true;
        lastMove = step.moved;
        ShowNote(stitcher.Height());
        if (step.limitReached) return ScrollEnding::HeightLimit;
    }
}

bool ScrollRun::Send(ScrollMethod method, int amount) {
    while (amount != 0) {
        const int part = method == ScrollMethod::Wheel ? std::clamp(amount, -kMostNotches, kMostNotches) : amount;
        if (!m_window.Scroll(method, part)) return false;
        amount -= part;
    }
    return true;
}

// How far the window is from the frame the user had, in pixels, down when positive; none when the
// frames show no one piece of content moved.
std::optional<int> ScrollRun::DistanceFromUsersFrame(const PixelRows& frame) {
    const std::vector<std::uint64_t> now = m_offsets->Hash(frame);
    const std::optional<RowBand> band = m_offsets->ChangedRows(now, m_userRows);
    if (!band) return 0;
    if (const std::optional<FoundOffset> below = m_offsets->Find(now, m_userRows, *band, {})) return below->rows;
    if (const std::optional<FoundOffset> above = m_offsets->Find(m_userRows, now, *band, {})) return -above->rows;
    return std::nullopt;
}

// Up to the top at once: by more units than the way down took, which the window stops at its top.
bool ScrollRun::RushToTop(ScrollMethod method) {
    if (method == ScrollMethod::ScrollBar) return m_window.ScrollToTop(method) && Settled(true);
    const Unit& unit = UnitOf(method);
    const int units = unit.measured && unit.pixels > 0 ? static_cast<int>(std::ceil(m_fromTop / unit.pixels)) : 0;
    return Send(method, -(units + (method == ScrollMethod::Wheel ? kMostNotches : 1))) && Settled(true);
}

// Where the scroll bar told the user's place and answers, it is set again. A place a whole number of
// units below the top (the user came there by the same notches or pages) is found again from the
// top; any other by going up as far as the window went down beyond it. Then, frame against frame,
// what is left is corrected by a scroll bar's lines, or by the unit, until the window shows what the
// user saw.
void ScrollRun::GoBack() {
    if (m_userScrollBar && m_scrollBarAnswers) {
        if (m_window.ScrollBarTo(m_userScrollBar->position)) Settled(true);
        return;
    }
    if (!m_moving) return;
    const Unit& unit = UnitOf(*m_moving);
    if (m_userFromTopKnown && unit.measured && unit.pixels > 0) {
        const int fromTop = static_cast<int>(std::lround(m_userFromTop / unit.pixels));
        if (std::abs(fromTop * unit.pixels - m_userFromTop) <= 1) {
            if (RushToTop(*m_moving) && fromTop > 0 && Send(*m_moving, fromTop)) Settled(true);
        } else {
            const int units = static_cast<int>(std::lround((m_fromTop - m_userFromTop) / unit.pixels));
            if (units != 0 && Send(*m_moving, -units)) Settled(true);
        }
    }
    std::optional<int> previous;
    bool byLines = true;
    for (int correction = 0; correction < kMostCorrections && m_grabs.LastHash() != m_userHash; ++correction) {
        const std::optional<PixelRows> frame = Settled(false);
        const std::optional<int> distance = frame ? DistanceFromUsersFrame(*frame) : std::nullopt;
        if (!distance || *distance == 0) return;
        // A scroll bar's line, whose size the first correction measures; a window that does not
        // answer it is not asked again.
        Unit& line = UnitOf(ScrollMethod::ScrollBar);
        if (previous && *previous == *distance) byLines = false;
        if (previous && *previous != *distance && !line.measured) line = {std::abs(*previous - *distance) * 1.0, true};
        previous = distance;
        int lines = line.measured && line.pixels > 0 ? static_cast<int>(std::lround(*distance / line.pixels)) : 0;
        if (!line.measured) lines = *distance > 0 ? 1 : -1;
        if (byLines && lines != 0 && Send(ScrollMethod::ScrollBar, -lines)) {
            Settled(true);
            continue;
        }
        const int units = unit.measured ? static_cast<int>(std::lround(*distance / unit.pixels)) : 0;
        if (units == 0 || !Send(*m_moving, -units)) return;
        Settled(true);
    }
}

ScrollOutcome ScrollRun::Go() {
    ScrollOutcome outcome;
    PlaceNote();
    ShowNote(0);
    m_userScrollBar = m_window.ScrollBar();
    const std::optional<PixelRows> users = Settled(false);
    if (!users) {
        m_ports.note.Hide();
        return outcome;
    }
    m_offsets.emplace(users->width, users->height);
    m_userHash = m_grabs.LastHash();
    m_userRows = m_offsets->Hash(*users);
    GoToTop();
    DebugOutput("Scrolling capture: at the top after " + Elapsed());
    // The way to the top ends with the window still, as the last grab shows it.
    std::optional<PixelRows> first = m_grabs.Last();
    std::unique_ptr<ITallPicture> tall =
        first ? m_ports.newPicture(first->width, std::max(m_ports.heightLimit, first->height), first->height) : nullptr;
    if (!first || !tall) {
        GoBack();
        m_ports.note.Hide();
        return outcome;
    }
    ScrollStitcher stitcher(*tall);
    stitcher.Start(*first);
    m_stitchedHash = m_grabs.LastHash();
    ShowNote(stitcher.Height());
    outcome.ending = m_stopped ? ScrollEnding::Stopped : GoDown(stitcher);
    if (outcome.ending != ScrollEnding::WindowLost) GoBack();
    m_ports.note.Hide();
    DebugOutput("Scrolling capture: done after " + Elapsed());
    outcome.picture = stitcher.Finish();
    const int language = m_ports.settings.Language;
    switch (outcome.ending) {
        case ScrollEnding::DoesNotScroll: outcome.note = UserText(TextId::ScrollingDoesNotScrollMessage, language); break;
        case ScrollEnding::HeightLimit:
            outcome.note = UserText(TextId::ScrollingHeightLimitMessage, language,
                                    {{"pixels", std::to_string(tall->Capacity())}});
            break;
        case ScrollEnding::WindowLost: outcome.note = UserText(TextId::ScrollingWindowLostMessage, language); break;
        case ScrollEnding::Bottom:
        case ScrollEnding::Stopped: break;
    }
    return outcome;
}

}  // namespace snapwright
