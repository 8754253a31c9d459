#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "editor/Mark.h"

namespace snapwright {

// What undoes one change of a mark: the mark as it was before (none for one added), at its place
// in the order.
struct MarkChange {
    enum class Kind { Added, Removed, Replaced };
    Kind kind = Kind::Added;
    std::size_t index = 0;
    std::unique_ptr<Mark> before;
};

// What undoes a change of the scene: every mark moved by `shift` (a crop's), then the marks'
// changes in their order.
struct SceneChange {
    Point shift;
    std::vector<MarkChange> marks;
    bool Empty() const { return marks.empty() && shift == Point{}; }
    std::size_t Bytes() const;
};

// The marks over the picture, in the order they are painted (the last on top). The steps among
// them are numbered 1, 2, 3 … in that order. Every change gives back what undoes it, which holds
// the marks it replaced, not a copy of the scene.
class Scene {
public:
    std::size_t Count() const { return m_marks.size(); }
    bool Empty() const { return m_marks.empty(); }
    const Mark& At(std::size_t index) const { return *m_marks[index]; }
    // The topmost mark that a press at a point selects.
    std::optional<std::size_t> MarkAt(Point at) const;

    MarkChange Add(std::unique_ptr<Mark> mark);
    MarkChange Remove(std::size_t index);
    MarkChange Replace(std::size_t index, std::unique_ptr<Mark> mark);
    // The marks keep their place on the picture when the part `kept` of it becomes the picture:
    // they move with its corner, and those wholly outside it go.
    SceneChange Crop(const Rect& kept);
    void Undo(SceneChange change);
    void Clear() { m_marks.clear(); }

    // The part of the picture that must be at hand to paint a region of it with its marks: the
    // region, grown by the blocks of the pixelations that reach into it.
    Rect SourceArea(const Rect& region, const Rect& picture) const;
    // Paints the marks, in their order, over pixels of the picture whose top-left pixel lies at
    // `at`, which hold at least the source area of what is to be shown; a mark may be left out.
    void DrawOver(RgbImage& pixels, Point at, const Rect& picture, const Mark* leftOut = nullptr) const;

private:
    void Renumber();

    std::vector<std::unique_ptr<Mark>> m_marks;
};

}  // namespace snapwright
