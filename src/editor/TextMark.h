#pragma once
#include <string>

#include "editor/BoxMark.h"
#include "editor/TextRasteriser.h"

namespace snapwright {

// Text in its colour and size, its letters smoothed in grey, laid out in its box: wrapped at the
// box's width when it was given one (a box dragged, or a text box resized), else its lines only
// at its line breaks and the box as wide as the widest. The box is never lower than the text; a
// height pulled larger stays. The letters are drawn once per text, size and width, and kept.
class TextMark : public BoxMark {
public:
    // Text (UTF-8, lines apart at "\n") from its top-left corner; `wrapWidth` 0: not wrapped.
    TextMark(ITextRasteriser& glyphs, Point at, std::string text, int pixelHeight, const MarkStyle& style,
             int wrapWidth = 0);
    std::unique_ptr<Mark> Clone() const override { return std::make_unique<TextMark>(*this); }

    const std::string& Text() const { return m_text; }
    int PixelHeight() const { return m_pixelHeight; }
    bool Wrapped() const { return m_wrapped; }
    // Its lines as they are drawn.
    const std::vector<std::string>& Lines() const { return m_laid->lines; }
    void SetText(std::string text);
    void SetPixelHeight(int pixelHeight);

    Rect Bounds() const override;
    bool Hits(Point at) const override { return Contains(Grown(m_box, kHitTolerance), at); }
    void DragHandle(std::size_t handle, Point to) override;
    void Draw(RgbImage& pixels, Point at, const Rect& picture) const override;
    std::size_t Bytes() const override;

private:
    struct Laid {
        std::vector<std::string> lines;
        std::vector<GlyphMask> letters;  // of each line
        int lineHeight = 0;
        int width = 0;  // of the widest line
        Rect inked;     // where the letters lie, from the box's top-left corner
    };
    void LayOut();

    ITextRasteriser* m_glyphs;
    std::string m_text;
    int m_pixelHeight;
    bool m_wrapped;
    int m_minHeight = 0;
    std::shared_ptr<const Laid> m_laid;
};

// The letters' coverage laid over pixels in a colour, the mask's top-left corner at a point of the
// pixels: each pixel moves towards the colour by the share covered.
void BlendCoverage(RgbImage& pixels, const GlyphMask& mask, Point at, Colour colour);

}  // namespace snapwright
