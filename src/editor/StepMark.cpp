#include "editor/StepMark.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editor/TextMark.h"

namespace snapwright {

namespace {

constexpr int kSmallestStep = 12;
constexpr int kSamples = 4;  // a side, per pixel, for the circle's smoothed edge

}  // namespace

int StepDiameter(int strength) {
    return 20 + 4 * std::max(1, strength);
}

// By the weights of the colours in the eye's brightness.
Colour ContrastingColour(Colour colour) {
    const int red = static_cast<int>(colour & 0xFF);
    const int green = static_cast<int>(colour >> 8 & 0xFF);
    const int blue = static_cast<int>(colour >> 16 & 0xFF);
    return 299 * red + 587 * green + 114 * blue > 150 * 1000 ? 0x000000 : 0xFFFFFF;
}

StepMark::StepMark(ITextRasteriser& glyphs, Point centre, const MarkStyle& style)
    : BoxMark(centre, centre, style), m_glyphs(&glyphs) {
    Resize(StepDiameter(style.strength));
}

void StepMark::SetNumber(int number) {
    if (number == m_number && m_digits) return;
    m_number = number;
    LayOutNumber();
}

void StepMark::Restyle(const MarkStyle& style) {
    const bool resized = style.strength != Style().strength;
    BoxMark::Restyle(style);
    if (resized) Resize(StepDiameter(style.strength));
}

void StepMark::Resize(int diameter) {
    const int size = std::max(kSmallestStep, diameter);
    const int centreX = m_box.left + m_box.width / 2;
    const int centreY = m_box.top + m_box.height / 2;
    m_box = {centreX - size / 2, centreY - size / 2, size, size};
    LayOutNumber();
}

// The more digits, the smaller, so that they stay inside the circle; they stand in its middle.
void StepMark::LayOutNumber() {
    std::u32string text;
    for (char c : std::to_string(m_number)) text += static_cast<char32_t>(c);
    const double share = text.size() <= 1 ? 0.6 : text.size() == 2 ? 0.5 : 0.38;
    const int pixelHeight = std::max(1, static_cast<int>(std::lround(m_box.width * share)));
    const std::vector<int> extents = m_glyphs->Extents(text, pixelHeight);
    const int width = extents.empty() ? 0 : extents.back();
    auto laid = std::make_shared<Digits>();
    laid->letters = m_glyphs->Rasterise(text, pixelHeight);
    laid->at = {(m_box.width - width) / 2, (m_box.height - m_glyphs->LineHeight(pixelHeight)) / 2};
    m_digits = std::move(laid);
}

bool StepMark::Hits(Point at) const {
    const double radius = m_box.width / 2.0;
    return std::hypot(at.x + 0.5 - (m_box.left + radius), at.y + 0.5 - (m_box.top + radius)) <= radius + kHitTolerance;
}

// The centre stays; a side handle gives the width by its distance across, a corner by the larger
// of its two distances.
void StepMark::DragHandle(std::size_t handle, Point to) {
    const double centreX = m_box.left + m_box.width / 2.0;
    const double centreY = m_box.top + m_box.height / 2.0;
    const double across = std::abs(to.x + 0.5 - centreX);
    const double down = std::abs(to.y + 0.5 - centreY);
    const double reach = handle == Left || handle == Right ? across : handle == Top || handle == Bottom ? down
                                                                                                      : std::max(across, down);
    Resize(static_cast<int>(std::lround(2 * reach)));
}

// The circle's edge is smoothed as an arrow's is: sixteen samples a pixel.
void StepMark::Draw(RgbImage& pixels, Point at, const Rect&) const {
    const double radius = m_box.width / 2.0;
    const double centreX = m_box.left + radius;
    const double centreY = m_box.top + radius;
    const Colour colour = Style().colour;
    const int firstY = std::max(m_box.top, at.y);
    const int lastY = std::min(m_box.top + m_box.height, at.y + pixels.Height()) - 1;
    const int firstX = std::max(m_box.left, at.x);
    const int lastX = std::min(m_box.left + m_box.width, at.x + pixels.Width()) - 1;
    if (lastX < firstX || lastY < firstY) return;
    GlyphMask disc{{firstX, firstY, lastX - firstX + 1, lastY - firstY + 1}, {}};
    disc.coverage.reserve(static_cast<std::size_t>(disc.area.width) * static_cast<std::size_t>(disc.area.height));
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                const double dy = y + (sy + 0.5) / kSamples - centreY;
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double dx = x + (sx + 0.5) / kSamples - centreX;
                    covered += dx * dx + dy * dy <= radius * radius;
                }
            }
            disc.coverage.push_back(static_cast<std::uint8_t>((covered * 255 + kSamples * kSamples / 2) / (kSamples * kSamples)));
        }
    }
    BlendCoverage(pixels, disc, {firstX - at.x, firstY - at.y}, colour);
    const GlyphMask& letters = m_digits->letters;
    BlendCoverage(pixels, letters,
                  {m_box.left + m_digits->at.x + letters.area.left - at.x, m_box.top + m_digits->at.y + letters.area.top - at.y},
                  ContrastingColour(colour));
}

std::size_t StepMark::Bytes() const {
    return Mark::Bytes() + m_digits->letters.coverage.size();
}

}  // namespace snapwright
