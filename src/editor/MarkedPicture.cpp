#include "editor/MarkedPicture.h"

#include <utility>

#include "platform/Geometry.h"

namespace snapwright {

std::size_t PictureStep::Bytes() const {
    return pictureBefore.Bytes() + patch.Bytes() + marks.Bytes();
}

void MarkedPicture::Reset(RgbImage pixels) {
    m_pixels = std::move(pixels);
    m_flat = RgbImage();
    m_scene.Clear();
    m_history.Clear();
    NoteWhole();
}

void MarkedPicture::Push(PictureStep step) {
    ++m_changes;
    m_history.Push(std::move(step));
}

void MarkedPicture::ChangePixels(const Rect& region, const std::function<void(RgbImage& pixels, Point at)>& change) {
    const Rect part = Intersection(region, Area());
    if (part.width <= 0 || part.height <= 0) return;
    const RgbImage before = m_pixels.Copy(part);
    RgbImage after = before;
    change(after, {part.left, part.top});
    m_pixels.Paste(after, {part.left, part.top});
    Push({{}, PixelPatch(before, after, {part.left, part.top}), {}});
    NoteChanged(part);
}

// The whole picture before is kept, as the picture after is only a part of it.
void MarkedPicture::Crop(const Rect& region) {
    const Rect kept = Intersection(region, Area());
    if (kept.width <= 0 || kept.height <= 0) return;
    RgbImage before = std::exchange(m_pixels, m_pixels.Copy(kept));
    SceneChange marks = m_scene.Crop(kept);
    Push({std::move(before), {}, std::move(marks)});
    NoteWhole();
}

std::size_t MarkedPicture::AddMark(std::unique_ptr<Mark> mark) {
    if (!mark) return m_scene.Count();
    NoteMark(*mark);
    PictureStep step;
    step.marks.marks.push_back(m_scene.Add(std::move(mark)));
    const std::size_t index = step.marks.marks.back().index;
    Push(std::move(step));
    return index;
}

void MarkedPicture::ReplaceMark(std::size_t index, std::unique_ptr<Mark> mark) {
    if (index >= m_scene.Count() || !mark) return;
    NoteMark(m_scene.At(index));
    NoteMark(*mark);
    PictureStep step;
    step.marks.marks.push_back(m_scene.Replace(index, std::move(mark)));
    Push(std::move(step));
}

void MarkedPicture::RemoveMark(std::size_t index) {
    if (index >= m_scene.Count()) return;
    NoteMark(m_scene.At(index));
    PictureStep step;
    step.marks.marks.push_back(m_scene.Remove(index));
    Push(std::move(step));
}

void MarkedPicture::ShowMark(std::size_t index, std::unique_ptr<Mark> mark) {
    if (index >= m_scene.Count() || !mark) return;
    NoteMark(m_scene.At(index));
    NoteMark(*mark);
    m_scene.Replace(index, std::move(mark));
}

void MarkedPicture::KeepChange(std::size_t index, std::unique_ptr<Mark> before) {
    if (index >= m_scene.Count() || !before) return;
    PictureStep step;
    step.marks.marks.push_back({MarkChange::Kind::Replaced, index, std::move(before)});
    Push(std::move(step));
}

// A step of one mark gives that mark back as it was (for the user to see it selected); a crop
// gives back the whole picture with every mark.
std::optional<std::size_t> MarkedPicture::Undo() {
    std::optional<PictureStep> step = m_history.Pop();
    if (!step) return std::nullopt;
    ++m_changes;
    if (!step->pictureBefore.Empty()) {
        m_pixels = std::move(step->pictureBefore);
        NoteWhole();
    } else {
        step->patch.Restore(m_pixels);
        NoteChanged(step->patch.Area());
    }
    std::vector<MarkChange>& changes = step->marks.marks;
    std::optional<std::size_t> given;
    if (changes.size() == 1 && step->marks.shift == Point{}) {
        const MarkChange& change = changes.front();
        if (change.kind != MarkChange::Kind::Removed) NoteMark(m_scene.At(change.index));
        if (change.before) {
            NoteMark(*change.before);
            given = change.index;
        }
    } else if (!changes.empty()) {
        NoteWhole();
    }
    m_scene.Undo(std::move(step->marks));
    return given;
}

// The whole picture needs no more pixels than its own, whatever the pixelations over it.
const RgbImage& MarkedPicture::Flatten() const {
    if (m_flat.Width() != m_pixels.Width() || m_flat.Height() != m_pixels.Height()) {
        m_flat = RgbImage(m_pixels.Width(), m_pixels.Height());
    }
    m_flat.Paste(m_pixels, {0, 0});
    m_scene.DrawOver(m_flat, {0, 0}, Area());
    return m_flat;
}

// The pixels at hand are those of the source area, which pixelations may make larger than the
// region.
RgbImage MarkedPicture::Flatten(const Rect& region, const Mark* leftOut) const {
    const Rect shown = Intersection(region, Area());
    const Rect source = m_scene.SourceArea(shown, Area());
    RgbImage pixels = m_pixels.Copy(source);
    m_scene.DrawOver(pixels, {source.left, source.top}, Area(), leftOut);
    if (source == shown) return pixels;
    return pixels.Copy({shown.left - source.left, shown.top - source.top, shown.width, shown.height});
}

void MarkedPicture::NoteChanged(const Rect& area) {
    if (!m_changed) m_changed.emplace(PictureSize());
    m_changed->MarkRect(Intersection(area, Area()));
}

void MarkedPicture::NoteMark(const Mark& mark) {
    if (!m_changed) m_changed.emplace(PictureSize());
    mark.Cover(*m_changed);
}

void MarkedPicture::NoteWhole() {
    m_resized = true;
    m_changed.emplace(PictureSize());
    m_changed->MarkRect(Area());
}

std::vector<Rect> MarkedPicture::TakeChangedAreas() {
    for (const Rect& step : m_scene.TakeRenumbered()) NoteChanged(step);
    if (!m_changed) return {};
    std::vector<Rect> areas = m_changed->Areas();
    m_changed.reset();
    for (Rect& area : areas) area = m_scene.SourceArea(area, Area());
    return areas;
}

}  // namespace snapwright
