#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "editor/PixelPatch.h"
#include "editor/RgbImage.h"
#include "editor/Scene.h"
#include "editor/TileMask.h"
#include "editor/UndoStack.h"

namespace snapwright {

// What undoes one change of the picture or its marks: the whole picture before a change of its
// size (a crop), the pixels a change replaced, and what undoes the change of the marks.
struct PictureStep {
    RgbImage pictureBefore;
    PixelPatch patch;
    SceneChange marks;
    std::size_t Bytes() const;
};

// The picture in the editor and the marks over it: the pixels (captured, opened, cropped, with
// the zoom insets burnt in) and the scene of marks that stay editable until the picture leaves.
// Every change, of pixels or of marks, is one step of a single undo history. What the view shows
// and every hand-off gets is the picture with the marks painted in (Flatten); it also notes the
// parts of the picture whose looks changed, for the view to paint again.
class MarkedPicture {
public:
    MarkedPicture() = default;
    explicit MarkedPicture(RgbImage pixels) { Reset(std::move(pixels)); }

    // A new picture without marks and without undo steps (new, open, a region taken).
    void Reset(RgbImage pixels);
    const RgbImage& Pixels() const { return m_pixels; }
    Size PictureSize() const { return {m_pixels.Width(), m_pixels.Height()}; }
    Rect Area() const { return {0, 0, m_pixels.Width(), m_pixels.Height()}; }
    const Scene& Marks() const { return m_scene; }

    // A change of pixels: `change` gets the part of a region that lies on the picture, and where.
    void ChangePixels(const Rect& region, const std::function<void(RgbImage& pixels, Point at)>& change);
    // The part of the picture that becomes the picture; the marks keep their place on it.
    void Crop(const Rect& region);

    // Each a change of its own. A mark added goes on top; its index is given back. An index that
    // holds no mark changes nothing.
    std::size_t AddMark(std::unique_ptr<Mark> mark);
    void ReplaceMark(std::size_t index, std::unique_ptr<Mark> mark);
    void RemoveMark(std::size_t index);
    // A mark being dragged, pulled or shaped takes each new state at once, and becomes one change
    // when the user lets go: back to `before` (a mark just added needs no more than its adding).
    void ShowMark(std::size_t index, std::unique_ptr<Mark> mark);
    void KeepChange(std::size_t index, std::unique_ptr<Mark> before);

    // Undoes the newest change; the mark it gave back (a mark moved, changed or deleted), if any.
    std::optional<std::size_t> Undo();
    bool CanUndo() const { return !m_history.Empty(); }
    std::size_t UndoCount() const { return m_history.Count(); }
    std::size_t UndoBytes() const { return m_history.Bytes(); }
    void ClearUndo() { m_history.Clear(); }
    // How many changes and undos were made since it was made: a change of it shows as a new count.
    std::size_t Changes() const { return m_changes; }

    // The picture with every mark painted in: what leaves the editor. It is painted into memory
    // kept from one hand-off to the next (new memory is slow to be first written to), so what it
    // gives is valid until the next call, and is to be copied to be kept.
    const RgbImage& Flatten() const;
    // A region of it as the view shows it, without a mark left out (a text being edited in place).
    RgbImage Flatten(const Rect& region, const Mark* leftOut = nullptr) const;
    // The areas of the picture whose looks changed since it was last asked, grown by what the
    // pixelations over them mix in; `NoteChanged` adds one (the handles of a selection).
    std::vector<Rect> TakeChangedAreas();
    void NoteChanged(const Rect& area);
    // Whether the size of the picture changed since it was last asked (a crop or its undo).
    bool TakeResized() { return std::exchange(m_resized, false); }

private:
    void Push(PictureStep step);
    void NoteMark(const Mark& mark);
    void NoteWhole();

    RgbImage m_pixels;
    mutable RgbImage m_flat;  // the last picture flattened whole, its memory kept for the next
    Scene m_scene;
    UndoStackOf<PictureStep> m_history;
    std::optional<TileMask> m_changed;
    bool m_resized = false;
    std::size_t m_changes = 0;
};

}  // namespace snapwright
