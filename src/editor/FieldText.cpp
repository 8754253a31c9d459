#include "editor/FieldText.h"

#include <algorithm>
#include <utility>

namespace snapwright {

namespace {

// The text with each "\r\n", and each lone "\r", as "\n".
std::u32string AsTyped(const std::u32string& text) {
    std::u32string typed;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;
        typed += text[i] == U'\r' ? U'\n' : text[i];
    }
    return typed;
}

}  // namespace

FieldText::FieldText(int width, TextExtents extents, std::u32string typed)
    : m_width(width), m_extents(std::move(extents)), m_typed(AsTyped(typed)) {
    Wrap(m_typed.size());
}

void FieldText::Rewrap(int width, TextExtents extents) {
    m_width = width;
    m_extents = std::move(extents);
    Wrap(TypedAt(m_shownCaret));
}

// A position of the shown text in the typed text; one within a line break is the break's.
std::size_t FieldText::TypedAt(std::size_t shown) const {
    std::size_t typed = 0;
    for (std::size_t i = 0; i < std::min(shown, m_shown.size()); ++i) {
        if (std::binary_search(m_softBreaks.begin(), m_softBreaks.end(), i)) {
            ++i;  // both its characters, and nothing typed
            continue;
        }
        if (m_shown[i] == U'\r' && i + 1 < m_shown.size() && m_shown[i + 1] == U'\n') continue;
        ++typed;
    }
    return typed;
}

void FieldText::Edited(const std::u32string& shown, std::size_t caret, bool forward) {
    const std::u32string& old = m_shown;
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < shown.size() && old[prefix] == shown[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < shown.size() - prefix &&
           old[old.size() - 1 - suffix] == shown[shown.size() - 1 - suffix]) {
        ++suffix;
    }
    // A line break is changed whole or not at all.
    if (prefix > 0 && old[prefix - 1] == U'\r') --prefix;
    if (suffix > 0 && old[old.size() - suffix] == U'\n') --suffix;
    const std::size_t oldEnd = old.size() - suffix;
    const std::size_t newEnd = shown.size() - suffix;
    std::size_t from = TypedAt(prefix);
    std::size_t to = TypedAt(oldEnd);
    const std::u32string inserted = AsTyped(shown.substr(prefix, newEnd - prefix));
    if (from == to && inserted.empty() && oldEnd > prefix) {
        // Only a soft break went: the character beside it goes instead.
        if (forward && to < m_typed.size()) {
            ++to;
        } else if (!forward && from > 0) {
            --from;
        }
    }
    std::size_t typedCaret = 0;
    if (caret <= prefix) {
        typedCaret = std::min(TypedAt(caret), from);
    } else if (caret <= newEnd) {
        typedCaret = from + AsTyped(shown.substr(prefix, caret - prefix)).size();
    } else {
        typedCaret = TypedAt(caret - shown.size() + old.size()) - to + from + inserted.size();
    }
    Remember(from, to, inserted);
    m_typed = m_typed.substr(0, from) + inserted + m_typed.substr(to);
    Wrap(std::min(typedCaret, m_typed.size()));
}

// A letter typed where the previous one went in continues that change, as a word typed is undone
// whole in the system's fields; anything else (a letter that replaces a selection starts a run of
// its own) is a change of its own. Undone, a change leaves the caret at the end of what it replaced.
void FieldText::Remember(std::size_t from, std::size_t to, const std::u32string& inserted) {
    if (from == to && inserted.empty()) return;
    const bool letter = inserted.size() == 1;
    if (!(letter && from == to && from == m_typingEnd)) m_undo.push_back({m_typed, to});
    m_typingEnd = letter ? from + 1 : std::u32string::npos;
}

bool FieldText::Undo() {
    m_typingEnd = std::u32string::npos;
    if (m_undo.empty()) return false;
    Before before = std::move(m_undo.back());
    m_undo.pop_back();
    m_typed = std::move(before.typed);
    Wrap(std::min(before.caret, m_typed.size()));
    return true;
}

void FieldText::Wrap(std::size_t typedCaret) {
    const std::vector<WrappedLine> lines = WrapLines(m_typed, m_width, m_extents);
    m_shown.clear();
    m_softBreaks.clear();
    m_shownCaret = 0;
    std::size_t next = 0;  // the first typed character not yet shown
    const auto show = [&](std::size_t end) {
        for (; next < end; ++next) {
            if (next == typedCaret) m_shownCaret = m_shown.size();
            if (m_typed[next] == U'\n') m_shown += U'\r';
            m_shown += m_typed[next];
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].begin > 0 && m_typed.find(U'\n', next) >= lines[i].begin) {
            // The line starts where the one before wrapped.
            show(lines[i].begin);
            m_softBreaks.push_back(m_shown.size());
            m_shown += U"\r\n";
        }
        show(lines[i].end);
    }
    show(m_typed.size());
    if (typedCaret >= m_typed.size()) m_shownCaret = m_shown.size();
}

}  // namespace snapwright
