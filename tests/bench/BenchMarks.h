#pragma once
// The scene the marks benchmarks work on: a screenshot-like 3840 x 2160 picture and 200 marks of
// every kind (frames, ellipses, arrows, highlights, redactions pixelated and solid, texts,
// numbered steps), at the same places on every run.
#include <memory>
#include <optional>
#include <string>

#include "editor/ArrowMark.h"
#include "editor/EllipseMark.h"
#include "editor/FrameMark.h"
#include "editor/HighlightMark.h"
#include "editor/RedactionMark.h"
#include "editor/RgbImage.h"
#include "editor/StepMark.h"
#include "editor/TextMark.h"

namespace snapwright::bench {

inline constexpr int kMarkKinds = 7;
inline constexpr const char* kMarkKindNames[kMarkKinds] = {"frame",     "ellipse", "arrow", "highlight",
                                                          "redaction", "text",    "step"};

// Bands of colour with fine detail, so that nothing compresses away.
inline RgbImage TestPicture(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, static_cast<Colour>((x / 64 * 0x203040 + y / 48 * 0x104020 + (x ^ y) % 7) & 0xFFFFFF));
        }
    }
    return image;
}

// The same places on every run.
struct Places {
    unsigned state = 12345;
    int Next(int below) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<unsigned>(below));
    }
    Point In(int width, int height) { return {Next(width), Next(height)}; }
};

// The i-th mark, of kind i % kMarkKinds, at a place on a 3840 x 2160 picture, with a size that
// varies from small to a good part of the picture.
inline std::unique_ptr<Mark> MakeMark(int i, Places& places, ITextRasteriser& glyphs) {
    const Point a = places.In(3600, 2000);
    const Point b{a.x + 40 + places.Next(i % 10 == 0 ? 1500 : 400), a.y + 30 + places.Next(i % 10 == 0 ? 900 : 250)};
    const MarkStyle style{static_cast<Colour>(places.Next(0xFFFFFF)), 1 + places.Next(10)};
    switch (i % kMarkKinds) {
        case 0: return std::make_unique<FrameMark>(a, b, style);
        case 1: return std::make_unique<EllipseMark>(a, b, style);
        case 2: return std::make_unique<ArrowMark>(a, b, style);
        case 3: return std::make_unique<HighlightMark>(a, b, MarkStyle{0x00FFFF, 1});
        case 4: return std::make_unique<RedactionMark>(a, b, style, i % 2 == 0);
        case 5:
            return std::make_unique<TextMark>(glyphs, a, "Step " + std::to_string(i) + ": click here\nthen there",
                                              16 + 4 * (i % 5), style, i % 3 == 0 ? 150 : 0);
        default: return std::make_unique<StepMark>(glyphs, a, style);
    }
}

// A point that takes the mark itself, not one of its handles, so that a press there and a drag
// move it; searched from its top-left corner. None when the mark has no such point.
inline std::optional<Point> Grip(const Mark& mark) {
    const Rect bounds = mark.Bounds();
    for (int y = bounds.top; y < bounds.top + bounds.height; ++y) {
        for (int x = bounds.left; x < bounds.left + bounds.width; ++x) {
            if (mark.Hits({x, y}) && !mark.HandleAt({x, y})) return Point{x, y};
        }
    }
    return std::nullopt;
}

}  // namespace snapwright::bench
