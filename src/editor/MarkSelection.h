#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/MarkedPicture.h"
#include "platform/KeyPress.h"

namespace snapwright {

// The keys a selected mark hears (Windows' virtual-key codes).
inline constexpr int kKeyBackspace = 0x08;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyDelete = 0x2E;

// How far an arrow key moves a selected mark, in pixels, and with Shift.
inline constexpr int kNudge = 1;
inline constexpr int kNudgeWithShift = 10;
// A handle's square on the view, in pixels.
inline constexpr int kHandleSize = 7;

// The mark the user works on, and what he does to it: a press selects the topmost mark there (or
// takes a handle of the one selected), a drag moves the mark or pulls the handle, the arrow keys
// nudge it, Delete removes it, a colour, strength or text size chosen restyles it, and a text is
// edited in place. Every change ends as one undo step of the picture; a drag shows each of its
// states at once and becomes one step when the mouse is let go.
class MarkSelection {
public:
    explicit MarkSelection(MarkedPicture& picture) : m_picture(picture) {}

    std::optional<std::size_t> Selected() const { return Current() ? m_selected : std::nullopt; }
    // Selects a mark (one just drawn stays selected), or none.
    void Select(std::optional<std::size_t> index);
    // Where the selected mark's handles stand, for the view to draw them.
    std::vector<Point> Handles() const;

    // Whether a press at a point would take the selected mark or one of its handles: a tool that is
    // chosen leaves such a press to the selection.
    bool Holds(Point at) const;
    void OnPress(Point at);
    void OnDrag(Point at);
    void OnRelease(Point at);
    // Arrow keys, Delete and Backspace, and Escape (which lets the mark go). True when used.
    bool OnKey(const KeyPress& key);

    // The selected mark restyled: true when there was one to change.
    bool SetColour(Colour colour);
    bool SetStrength(int strength);
    bool SetTextSize(int pixelHeight);

    // The topmost text at a point, for a double click to edit it.
    std::optional<std::size_t> TextAt(Point at) const;
    // Editing a text in place: it is selected, and left out of the view while its field is open.
    void BeginTextEdit(std::size_t index);
    // What was typed replaces its text; nothing typed removes it. One undo step, or none.
    void EndTextEdit(const std::string& text);
    // The mark the view leaves out: the text being edited.
    const Mark* LeftOut() const;

    // Undoes the newest change of the picture; the mark it gave back is selected.
    void Undo();

private:
    struct Drag {
        std::optional<std::size_t> handle;  // none: the whole mark moves
        Point from;
        std::unique_ptr<Mark> before;
        bool changed = false;
    };
    const Mark* Current() const;
    void NoteHandles();
    void Change(const std::function<bool(Mark&)>& change);

    MarkedPicture& m_picture;
    std::optional<std::size_t> m_selected;
    std::optional<Drag> m_drag;
    bool m_editingText = false;
};

}  // namespace snapwright
