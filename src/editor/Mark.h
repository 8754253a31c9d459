#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "editor/RgbImage.h"
#include "platform/Geometry.h"

namespace snapwright {

class TileMask;

// How near (in pixels of the picture) to what a mark paints a press still selects it, and to a
// handle a press still takes the handle.
inline constexpr int kHitTolerance = 4;
inline constexpr int kHandleReach = 5;

// A mark's colour and strength: the width of a line, the block size of a redaction, the size of
// a numbered step.
struct MarkStyle {
    Colour colour = 0x0000FF;
    int strength = 1;
    friend bool operator==(const MarkStyle&, const MarkStyle&) = default;
};

// A mark over the picture, kept as an object until the picture leaves the editor: it paints
// itself over the picture's pixels, tells whether a point selects it, and is moved, resized by
// its handles and restyled. A kind of mark is one class. Coordinates are pixels of the picture;
// a mark may reach beyond the picture.
class Mark {
public:
    explicit Mark(const MarkStyle& style) : m_style(style) {}
    virtual ~Mark() = default;
    virtual std::unique_ptr<Mark> Clone() const = 0;

    const MarkStyle& Style() const { return m_style; }
    virtual void Restyle(const MarkStyle& style) { m_style = style; }

    // The pixels it may paint.
    virtual Rect Bounds() const = 0;
    // Whether a press at a point selects it: near its lines, inside what it fills.
    virtual bool Hits(Point at) const = 0;
    // The points by which it is resized: corners and edge middles, an arrow's two ends.
    virtual std::vector<Point> Handles() const = 0;
    // The handle within reach of a point, the nearest one.
    std::optional<std::size_t> HandleAt(Point at) const;
    virtual void MoveBy(int dx, int dy) = 0;
    virtual void DragHandle(std::size_t handle, Point to) = 0;

    // Paints itself over pixels of the picture whose top-left pixel lies at `at`; `picture` is the
    // whole picture's area. What it paints outside the pixels is left out.
    virtual void Draw(RgbImage& pixels, Point at, const Rect& picture) const = 0;
    // The part of the picture it needs at hand to paint a region: the region itself, but for a
    // mark that mixes pixels across it (a pixelation's blocks).
    virtual Rect Needs(const Rect& region, const Rect& /*picture*/) const { return region; }
    // The tiles it paints.
    virtual void Cover(TileMask& tiles) const;
    // What it holds in memory, roughly.
    virtual std::size_t Bytes() const { return 96; }

protected:
    Mark(const Mark&) = default;
    Mark& operator=(const Mark&) = default;

private:
    MarkStyle m_style;
};

}  // namespace snapwright
