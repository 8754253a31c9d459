#include "editor/MarkSelection.h"

#include "editor/TextMark.h"
#include "platform/Geometry.h"

namespace snapwright {

void MarkSelection::Select(std::optional<std::size_t> index) {
    if (index && *index >= m_picture.Marks().Count()) index.reset();
    if (index == m_selected) return;
    NoteHandles();
    m_selected = index;
    m_drag.reset();
    m_editingText = false;
    NoteHandles();
}

// The picture may have changed under the selection (a new picture, a crop): an index that holds
// no mark any more selects nothing.
const Mark* MarkSelection::Current() const {
    return m_selected && *m_selected < m_picture.Marks().Count() ? &m_picture.Marks().At(*m_selected) : nullptr;
}

std::vector<Point> MarkSelection::Handles() const {
    const Mark* mark = Current();
    return mark ? mark->Handles() : std::vector<Point>{};
}

void MarkSelection::NoteHandles() {
    for (const Point& handle : Handles()) {
        m_picture.NoteChanged(Grown({handle.x, handle.y, 1, 1}, kHandleSize / 2 + 1));
    }
}

bool MarkSelection::Holds(Point at) const {
    const Mark* mark = Current();
    return mark && (mark->HandleAt(at) || mark->Hits(at));
}

// The selected mark keeps the press where it lies under another one, so that a mark can be taken
// out from under another.
void MarkSelection::OnPress(Point at) {
    m_drag.reset();
    const Mark* selected = Current();
    const std::optional<std::size_t> handle = selected ? selected->HandleAt(at) : std::nullopt;
    if (!handle && !(selected && selected->Hits(at))) Select(m_picture.Marks().MarkAt(at));
    if (const Mark* mark = Current()) m_drag = Drag{handle, at, mark->Clone()};
}

// Each state of the drag is made from the mark as it was at the press, so that a box pulled
// inside out and back is the box it was. A handle keeps its distance from the mouse.
void MarkSelection::OnDrag(Point at) {
    if (!m_drag || !Current()) return;
    const int dx = at.x - m_drag->from.x;
    const int dy = at.y - m_drag->from.y;
    std::unique_ptr<Mark> shown = m_drag->before->Clone();
    m_drag->changed = dx != 0 || dy != 0;
    if (m_drag->changed && m_drag->handle) {
        const Point handle = m_drag->before->Handles()[*m_drag->handle];
        shown->DragHandle(*m_drag->handle, {handle.x + dx, handle.y + dy});
    } else if (m_drag->changed) {
        shown->MoveBy(dx, dy);
    }
    NoteHandles();
    m_picture.ShowMark(*m_selected, std::move(shown));
    NoteHandles();
}

void MarkSelection::OnRelease(Point at) {
    if (!m_drag || !Current()) return;
    OnDrag(at);
    Drag drag = std::move(*m_drag);
    m_drag.reset();
    if (drag.changed) m_picture.KeepChange(*m_selected, std::move(drag.before));
}

// The change is made on a copy, which replaces the mark only when it differs.
void MarkSelection::Change(const std::function<bool(Mark&)>& change) {
    const Mark* mark = Current();
    if (!mark) return;
    std::unique_ptr<Mark> changed = mark->Clone();
    if (!change(*changed)) return;
    NoteHandles();
    m_picture.ReplaceMark(*m_selected, std::move(changed));
    NoteHandles();
}

bool MarkSelection::OnKey(const KeyPress& key) {
    if (!Current() || m_drag || key.ctrl || key.alt) return false;
    const int step = key.shift ? kNudgeWithShift : kNudge;
    // A mark is never pushed off the picture, where nothing could take it again.
    const auto nudge = [&](int dx, int dy) {
        Change([&](Mark& mark) {
            mark.MoveBy(dx, dy);
            const Rect shown = Intersection(mark.Bounds(), m_picture.Area());
            return shown.width > 0 && shown.height > 0;
        });
        return true;
    };
    switch (key.code) {
        case kKeyLeft: return nudge(-step, 0);
        case kKeyRight: return nudge(step, 0);
        case kKeyUp: return nudge(0, -step);
        case kKeyDown: return nudge(0, step);
        case kKeyDelete:
        case kKeyBackspace: {
            const std::size_t index = *m_selected;
            Select(std::nullopt);
            m_picture.RemoveMark(index);
            return true;
        }
        case kKeyEscape: Select(std::nullopt); return true;
        default: return false;
    }
}

bool MarkSelection::SetColour(Colour colour) {
    if (!Current()) return false;
    Change([&](Mark& mark) {
        MarkStyle style = mark.Style();
        style.colour = colour;
        if (style == mark.Style()) return false;
        mark.Restyle(style);
        return true;
    });
    return true;
}

bool MarkSelection::SetStrength(int strength) {
    if (!Current()) return false;
    Change([&](Mark& mark) {
        MarkStyle style = mark.Style();
        style.strength = strength;
        if (style == mark.Style()) return false;
        mark.Restyle(style);
        return true;
    });
    return true;
}

bool MarkSelection::SetTextSize(int pixelHeight) {
    if (!dynamic_cast<const TextMark*>(Current())) return false;
    Change([&](Mark& mark) {
        auto& text = static_cast<TextMark&>(mark);
        if (text.PixelHeight() == pixelHeight) return false;
        text.SetPixelHeight(pixelHeight);
        return true;
    });
    return true;
}

std::optional<std::size_t> MarkSelection::TextAt(Point at) const {
    const Scene& marks = m_picture.Marks();
    for (std::size_t i = marks.Count(); i-- > 0;) {
        if (dynamic_cast<const TextMark*>(&marks.At(i)) && marks.At(i).Hits(at)) return i;
    }
    return std::nullopt;
}

void MarkSelection::BeginTextEdit(std::size_t index) {
    Select(index);
    if (!dynamic_cast<const TextMark*>(Current())) return;
    m_editingText = true;
    m_picture.NoteChanged(m_picture.Marks().At(index).Bounds());
}

void MarkSelection::EndTextEdit(const std::string& text) {
    if (!m_editingText || !Current()) return;
    m_editingText = false;
    const std::size_t index = *m_selected;
    m_picture.NoteChanged(m_picture.Marks().At(index).Bounds());
    if (text.empty()) {
        Select(std::nullopt);
        m_picture.RemoveMark(index);
        return;
    }
    Change([&](Mark& mark) {
        auto& edited = static_cast<TextMark&>(mark);
        if (edited.Text() == text) return false;
        edited.SetText(text);
        return true;
    });
}

const Mark* MarkSelection::LeftOut() const {
    return m_editingText ? Current() : nullptr;
}

void MarkSelection::Undo() {
    if (m_drag) OnRelease(m_drag->from);
    m_editingText = false;
    NoteHandles();
    m_selected.reset();
    Select(m_picture.Undo());
}

}  // namespace snapwright
