#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "editor/TextWrap.h"

namespace snapwright {

// The text of the field where text is typed in place, as typed and as the field shows it. The
// field does not wrap by itself: where WrapLines wraps a line (the rule of the picture's text),
// the field shows a line break of its own, a soft one, that is no part of the typed text. So what
// is typed is what lands, line for line. The shown text breaks its lines with "\r\n", as a
// multi-line edit field does; the typed text with "\n". Positions count characters. It keeps its
// own undo history: the field's, which a rewrap would clear, is not used.
class FieldText {
public:
    // A width of 0: no wrapping, the lines are the typed ones. `typed` is the text to start with,
    // the caret after it; it is not undone.
    FieldText(int width, TextExtents extents, std::u32string typed = {});

    const std::u32string& Typed() const { return m_typed; }
    const std::u32string& Shown() const { return m_shown; }
    std::size_t ShownCaret() const { return m_shownCaret; }

    // The field changed to `shown` with its caret at `caret`: what was typed, pasted or deleted goes
    // into the typed text and the lines wrap anew. A deleted soft break deletes the character
    // before it (Backspace) or after it (Delete, `forward`), as it would were the line unwrapped.
    void Edited(const std::u32string& shown, std::size_t caret, bool forward);
    // The same text wrapped at another width, or measured anew (another size of the letters).
    void Rewrap(int width, TextExtents extents);
    // The typed text as it was before the last change; letters typed one after the other are one
    // change. False when nothing is left to undo.
    bool Undo();

private:
    struct Before {
        std::u32string typed;
        std::size_t caret;
    };
    void Remember(std::size_t from, std::size_t to, const std::u32string& inserted);

    void Wrap(std::size_t typedCaret);
    std::size_t TypedAt(std::size_t shown) const;

    int m_width;
    TextExtents m_extents;
    std::u32string m_typed;
    std::u32string m_shown;
    std::vector<std::size_t> m_softBreaks;  // where each soft "\r\n" starts in the shown text
    std::size_t m_shownCaret = 0;
    std::vector<Before> m_undo;
    std::size_t m_typingEnd = std::u32string::npos;  // where the letters being typed end
};

}  // namespace snapwright
