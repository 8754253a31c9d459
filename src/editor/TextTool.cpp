#include "editor/TextTool.h"

#include <utility>

#include "editor/MarkTool.h"
#include "editor/TextMark.h"

namespace snapwright {

using enum EditorControl;

std::string TextToDraw(const std::string& typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') continue;
        text += typed[i] == '\r' ? '\n' : typed[i];
    }
    const std::size_t last = text.find_last_not_of(" \t\n");
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

void TextTool::OnActivate() {
    m_pressed = false;
    m_typing = false;
}

// Leaving the tool by its button or a key has put the text in already; what is left is dropped.
void TextTool::OnDeactivate() {
    m_pressed = false;
    if (std::exchange(m_typing, false)) m_core.window.EndText();
}

void TextTool::Finish() {
    if (m_typing) CommitText();
}

// A click elsewhere while typing puts the text in and starts the next one there.
void TextTool::OnMouseDown(Point view) {
    if (m_typing) CommitText();
    m_pressed = true;
    m_pressedAt = view;
}

void TextTool::OnMouseMove(Point, bool pressed) {
    m_pressed = m_pressed && pressed;
}

// A click gives the field no size of its own: it grows with what is typed. A box dragged keeps its
// width, and the lines wrap in it.
void TextTool::OnMouseUp(Point view, bool dragged) {
    if (!m_pressed) return;
    m_pressed = false;
    m_box = dragged ? RectangleBetween(m_pressedAt, view) : Rect{view.x, view.y, 0, 0};
    m_start = m_core.ToPicture({m_box.left, m_box.top});
    m_typing = true;
    m_core.window.BeginText(m_box, m_core.style.colour, PixelHeight(), {});
}

bool TextTool::OnKey(const KeyPress& key) {
    if (!m_typing) return false;
    if (key == KeyPress{kKeyReturn}) {
        CommitText();
        return true;
    }
    if (key == KeyPress{kKeyEscape}) {
        m_typing = false;
        m_core.window.EndText();
        return true;
    }
    return false;
}

std::vector<ControlId> TextTool::OwnControls() const {
    return {Id(TextSizeLabel), Id(TextSizeList)};
}

void TextTool::OnControl(ControlId control, int listIndex) {
    if (control != Id(TextSizeList) || listIndex < 0 || listIndex >= static_cast<int>(kTextSizes.size())) return;
    m_size = static_cast<std::size_t>(listIndex);
    if (!m_typing) m_core.ChooseTextSize(PixelHeight());
    OnStyleChanged();
}

void TextTool::OnStyleChanged() {
    if (m_typing) m_core.window.BeginText(m_box, m_core.style.colour, PixelHeight(), {});
}

void TextTool::DrawPreview(IDrawing& view, Point mouse) const {
    if (m_pressed) view.Rectangle(m_pressedAt, mouse, m_core.style.colour);
}

// Nothing typed is no change. The text becomes a mark, wrapped at the width of a box dragged.
void TextTool::CommitText() {
    m_typing = false;
    const std::string text = TextToDraw(m_core.window.EndText());
    if (text.empty()) return;
    m_core.AddMark(std::make_unique<TextMark>(m_core.Glyphs(), m_start, text, PixelHeight(),
                                              MarkStyle{m_core.style.colour, m_core.style.strength}, m_box.width));
}

}  // namespace snapwright
