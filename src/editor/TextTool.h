#pragma once
#include <array>
#include <string>

#include "editor/EditorCore.h"

namespace snapwright {

// The text sizes offered, in pixels of the picture (the view shows it one to one).
inline constexpr std::array<int, 7> kTextSizes{12, 14, 16, 20, 24, 32, 48};
inline constexpr std::size_t kDefaultTextSize = 2;  // 16

// Typed text as it goes into the picture: lines apart at "\n" alone, without the blank lines and
// spaces at its end; empty when nothing but blanks was typed.
std::string TextToDraw(const std::string& typed);

// Text typed in place: a click (or a box dragged, in which the lines wrap) opens a field over the
// view in the colour and the chosen size; Enter, or a click elsewhere, puts the text into the
// picture as one change; Escape drops it. Shift+Enter, which the field takes, starts a new line.
// The tool stays chosen.
class TextTool : public Tool {
public:
    explicit TextTool(EditorCore& core) : m_core(core) {}

    void OnActivate() override;
    void OnDeactivate() override;
    void Finish() override;
    bool Idle() const override { return !m_typing && !m_pressed; }
    void OnMouseDown(Point view) override;
    void OnMouseMove(Point view, bool pressed) override;
    void OnMouseUp(Point view, bool dragged) override;
    bool OnKey(const KeyPress& key) override;
    std::vector<ControlId> OwnControls() const override;
    void OnControl(ControlId control, int listIndex) override;
    void OnStyleChanged() override;
    bool ShowsCrossHair() const override { return !m_typing; }
    void DrawPreview(IDrawing& view, Point mouse) const override;

private:
    void CommitText();
    int PixelHeight() const { return kTextSizes[m_size]; }

    EditorCore& m_core;
    std::size_t m_size = kDefaultTextSize;
    bool m_pressed = false;
    Point m_pressedAt;
    bool m_typing = false;
    Rect m_box;     // of the field, in the view
    Point m_start;  // of the text, on the picture
};

}  // namespace snapwright
