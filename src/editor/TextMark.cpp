#include "editor/TextMark.h"

#include <algorithm>

#include "editor/TextWrap.h"
#include "platform/Geometry.h"

namespace snapwright {

TextMark::TextMark(ITextRasteriser& glyphs, Point at, std::string text, int pixelHeight, const MarkStyle& style,
                   int wrapWidth)
    : BoxMark(at, at, style),
      m_glyphs(&glyphs),
      m_text(std::move(text)),
      m_pixelHeight(pixelHeight),
      m_wrapped(wrapWidth > 0) {
    m_box.width = std::max(1, wrapWidth);
    LayOut();
}

void TextMark::SetText(std::string text) {
    m_text = std::move(text);
    LayOut();
}

void TextMark::SetPixelHeight(int pixelHeight) {
    m_pixelHeight = pixelHeight;
    LayOut();
}

// A handle that moves a side edge gives the text a width to wrap at; one that moves the top or the
// bottom edge, a height.
void TextMark::DragHandle(std::size_t handle, Point to) {
    const Rect dragged = DraggedBox(m_box, handle, to);
    if (handle != Top && handle != Bottom) m_wrapped = true;
    if (handle != Left && handle != Right) m_minHeight = dragged.height;
    m_box = dragged;
    LayOut();
}

void TextMark::LayOut() {
    auto laid = std::make_shared<Laid>();
    const std::u32string text = DecodeUtf8(m_text);
    const std::vector<WrappedLine> lines =
        WrapLines(text, m_wrapped ? m_box.width : 0,
                  [this](const std::u32string& line) { return m_glyphs->Extents(line, m_pixelHeight); });
    laid->lineHeight = m_glyphs->LineHeight(m_pixelHeight);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u32string line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        laid->lines.push_back(EncodeUtf8(line));
        laid->letters.push_back(line.empty() ? GlyphMask{} : m_glyphs->Rasterise(line, m_pixelHeight));
        laid->width = std::max(laid->width, lines[i].width);
        const Rect& area = laid->letters.back().area;
        laid->inked = Union(laid->inked, {area.left, area.top + static_cast<int>(i) * laid->lineHeight, area.width,
                                          area.height});
    }
    if (!m_wrapped) m_box.width = std::max(1, laid->width);
    m_box.height = std::max({1, m_minHeight, laid->lineHeight * static_cast<int>(lines.size())});
    m_laid = std::move(laid);
}

// Letters may reach a little beyond the box: an overhanging italic, a smoothed edge.
Rect TextMark::Bounds() const {
    const Rect& inked = m_laid->inked;
    return Union(m_box, {m_box.left + inked.left, m_box.top + inked.top, inked.width, inked.height});
}

void TextMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    for (std::size_t i = 0; i < m_laid->letters.size(); ++i) {
        const GlyphMask& letters = m_laid->letters[i];
        BlendCoverage(pixels, letters,
                      {m_box.left + letters.area.left - at.x,
                       m_box.top + static_cast<int>(i) * m_laid->lineHeight + letters.area.top - at.y},
                      Style().colour);
    }
}

std::size_t TextMark::Bytes() const {
    std::size_t bytes = Mark::Bytes() + m_text.size();
    for (const GlyphMask& letters : m_laid->letters) bytes += letters.coverage.size();
    return bytes;
}

// Rounded to the nearest, so that full coverage gives the colour exactly.
void BlendCoverage(RgbImage& pixels, const GlyphMask& mask, Point at, Colour colour) {
    const Rect part = Intersection({at.x, at.y, mask.area.width, mask.area.height}, {0, 0, pixels.Width(), pixels.Height()});
    const int ink[3] = {static_cast<int>(colour >> 16 & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                        static_cast<int>(colour & 0xFF)};  // in the rows' order
    for (int y = part.top; y < part.top + part.height; ++y) {
        std::uint8_t* pixel = pixels.Row(y) + 3 * static_cast<std::size_t>(part.left);
        for (int x = part.left; x < part.left + part.width; ++x, pixel += 3) {
            const int cover = mask.At(x - at.x, y - at.y);
            if (cover == 0) continue;
            for (int k = 0; k < 3; ++k) pixel[k] = static_cast<std::uint8_t>((pixel[k] * (255 - cover) + ink[k] * cover + 127) / 255);
        }
    }
}

}  // namespace snapwright
