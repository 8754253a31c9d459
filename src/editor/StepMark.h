#pragma once
#include "editor/BoxMark.h"
#include "editor/TextRasteriser.h"

namespace snapwright {

// The width of a numbered step at a strength, in pixels.
int StepDiameter(int strength);

// A numbered step: a filled circle in its colour with its number in black or white, whichever
// stands out more. The scene numbers its steps 1, 2, 3 … in their order. Its size follows the
// strength, and its handles resize it about its centre.
class StepMark : public BoxMark {
public:
    StepMark(ITextRasteriser& glyphs, Point centre, const MarkStyle& style);
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<StepMark>(*this); }

    int Number() const { return m_number; }
    void SetNumber(int number);

    void Restyle(const MarkStyle& style) override;
    Rect Bounds() const override { return m_box; }
    bool Hits(Point at) const override;
    void DragHandle(std::size_t handle, Point to) override;
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    std::size_t Bytes() const override;

private:
    struct Digits {
        GlyphMask letters;
        Point at;  // their place from the box's top-left corner
    };
    // A circle of a width about the centre of the box.
    void Resize(int diameter);
    void LayOutNumber();

    ITextRasteriser* m_glyphs;
    int m_number = 1;
    std::shared_ptr<const Digits> m_digits;
};

// Black or white, whichever stands out more on a colour.
Colour ContrastingColour(Colour colour);

}  // namespace snapwright
