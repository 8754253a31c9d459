#pragma once
#include "editor/TwoCornerTool.h"

namespace snapwright {

inline constexpr Colour kHighlighterYellow = 0x00FFFF;

enum class MarkKind { Highlight, Redact };

// Marks a rectangle dragged (or clicked corner to corner) over the picture: a highlight, which
// multiplies its pixels by the colour, yellow when the tool is first chosen, or a redaction, which
// pixelates them in blocks, or, with Shift held at the release, fills them with the colour. The
// tool stays chosen for the next mark.
class MarkTool : public TwoCornerTool {
public:
    MarkTool(EditorCore& core, MarkKind kind) : TwoCornerTool(core), m_kind(kind) {}

    void OnActivate() override;
    void OnDeactivate() override;
    bool OnButtonAgain() override { return true; }
    void DrawPreview(IDrawing& view, Point mouse) const override;

protected:
    void OnSecondCorner(Point view) override;

private:
    MarkKind m_kind;
    Colour m_ownColour = kHighlighterYellow;  // the highlighter's, kept from one use to the next
    Colour m_otherColour = 0;                 // the colour of the other tools, while it is away
};

// The rectangle between two corners, both inside it.
Rect RectangleBetween(Point a, Point b);

}  // namespace snapwright
