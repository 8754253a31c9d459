#include "capture/ScrollCapture.h"

#include <algorithm>
#include <utility>

#include "capture/Desktop.h"
#include "capture/ScrollRun.h"
#include "lang/UserText.h"
#include "platform/Diagnostics.h"
#include "platform/ScopedFlag.h"

namespace snapwright {

namespace {

constexpr int kNoteGap = 8;

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const Rect& a, const Rect& b) {
    const Rect both = Intersection(a, b);
    return both.width > 0 && both.height > 0;
}

}  // namespace

NotePlacement PlaceNote(Size note, const Rect& area, const std::vector<Monitor>& monitors) {
    const Monitor* monitor = MonitorOf(monitors, area);
    const Rect work = monitor ? monitor->workArea : area;
    // Centred on the area where it can be, moved along the edge to stay on the work area.
    const auto along = [](int start, int length, int size, int from, int span) {
        return std::clamp(start + (length - size) / 2, from, std::max(from, from + span - size));
    };
    const int x = along(area.left, area.width, note.width, work.left, work.width);
    const int y = along(area.top, area.height, note.height, work.top, work.height);
    const Rect places[] = {
        {x, area.top + area.height + kNoteGap, note.width, note.height},
        {x, area.top - kNoteGap - note.height, note.width, note.height},
        {area.left + area.width + kNoteGap, y, note.width, note.height},
        {area.left - kNoteGap - note.width, y, note.width, note.height},
    };
    for (const Rect& place : places) {
        if (Inside(place, work) && !Overlap(place, area)) return {place, false};
    }
    const Rect corner{work.left + work.width - note.width - kNoteGap, work.top + work.height - note.height - kNoteGap,
                      note.width, note.height};
    return {corner, Overlap(corner, area)};
}

ScrollCapture::ScrollCapture(Ports ports) : m_ports(std::move(ports)) {}

// The frames go in one by one and only the one before is kept: the picture grows in place.
ScrollOutcome ScrollCapture::Take(WindowRef window) {
    if (m_busy) return {};
    const ScopedFlag busy(m_busy);
    ScrollOutcome outcome;
    if (std::unique_ptr<IScrolledWindow> scrolled = m_ports.openWindow(window)) {
        // Another window over it would be stitched into the picture, step after step.
        if (!scrolled->ComeToFront()) {
            m_ports.messages.ShowError(UserText(TextId::ScrollingCoveredMessage, m_ports.settings.Language));
            return outcome;
        }
        outcome = ScrollRun(m_ports, *scrolled).Go();
    }
    if (!outcome.picture) {
        m_ports.messages.ShowError(UserText(TextId::ScrollingUnreadableMessage, m_ports.settings.Language));
        return outcome;
    }
    m_ports.currentShot.Set(outcome.picture);
    if (!m_ports.engine.CopyShotToClipboard()) DebugOutput("The screenshot could not be put on the clipboard.");
    return outcome;
}

}  // namespace snapwright
