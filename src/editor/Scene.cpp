#include "editor/Scene.h"

#include <iterator>
#include <utility>

#include "editor/StepMark.h"
#include "platform/Geometry.h"

namespace snapwright {

std::size_t SceneChange::Bytes() const {
    std::size_t bytes = sizeof(SceneChange);
    for (const MarkChange& change : marks) bytes += sizeof(MarkChange) + (change.before ? change.before->Bytes() : 0);
    return bytes;
}

std::optional<std::size_t> Scene::MarkAt(Point at) const {
    for (std::size_t i = m_marks.size(); i-- > 0;) {
        if (m_marks[i]->Hits(at)) return i;
    }
    return std::nullopt;
}

MarkChange Scene::Add(std::unique_ptr<Mark> mark) {
    m_marks.push_back(std::move(mark));
    Renumber();
    return {MarkChange::Kind::Added, m_marks.size() - 1, nullptr};
}

MarkChange Scene::Remove(std::size_t index) {
    std::unique_ptr<Mark> removed = std::move(m_marks[index]);
    m_marks.erase(m_marks.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber();
    return {MarkChange::Kind::Removed, index, std::move(removed)};
}

MarkChange Scene::Replace(std::size_t index, std::unique_ptr<Mark> mark) {
    std::unique_ptr<Mark> before = std::exchange(m_marks[index], std::move(mark));
    Renumber();
    return {MarkChange::Kind::Replaced, index, std::move(before)};
}

// The marks that go are taken from the top down, so that undoing them in the reverse order puts
// each back at its place.
SceneChange Scene::Crop(const Rect& kept) {
    SceneChange change;
    change.shift = {-kept.left, -kept.top};
    const Rect picture{0, 0, kept.width, kept.height};
    for (std::size_t i = m_marks.size(); i-- > 0;) {
        m_marks[i]->MoveBy(change.shift.x, change.shift.y);
        const Rect bounds = Intersection(m_marks[i]->Bounds(), picture);
        if (bounds.width <= 0 || bounds.height <= 0) change.marks.push_back(Remove(i));
    }
    return change;
}

void Scene::Undo(SceneChange change) {
    for (auto it = change.marks.rbegin(); it != change.marks.rend(); ++it) {
        const auto at = m_marks.begin() + static_cast<std::ptrdiff_t>(it->index);
        switch (it->kind) {
            case MarkChange::Kind::Added: m_marks.erase(at); break;
            case MarkChange::Kind::Removed: m_marks.insert(at, std::move(it->before)); break;
            case MarkChange::Kind::Replaced: *at = std::move(it->before); break;
        }
    }
    if (change.shift != Point{}) {
        for (const auto& mark : m_marks) mark->MoveBy(-change.shift.x, -change.shift.y);
    }
    Renumber();
}

void Scene::Renumber() {
    int number = 0;
    for (const auto& mark : m_marks) {
        if (auto* step = dynamic_cast<StepMark*>(mark.get())) step->SetNumber(++number);
    }
}

// A pixelation's blocks may reach into another pixelation beneath, whose blocks reach further:
// the area grows until no block reaches beyond it.
Rect Scene::SourceArea(const Rect& region, const Rect& picture) const {
    Rect area = Intersection(region, picture);
    for (bool grown = area.width > 0 && area.height > 0; grown;) {
        grown = false;
        for (const auto& mark : m_marks) {
            const Rect needed = Intersection(mark->Needs(area, picture), picture);
            if (needed != area) {
                area = needed;
                grown = true;
            }
        }
    }
    return area;
}

void Scene::DrawOver(RgbImage& pixels, Point at, const Rect& picture, const Mark* leftOut) const {
    const Rect area{at.x, at.y, pixels.Width(), pixels.Height()};
    for (const auto& mark : m_marks) {
        if (mark.get() == leftOut) continue;
        const Rect meets = Intersection(mark->Bounds(), area);
        if (meets.width > 0 && meets.height > 0) mark->Draw(pixels, at, picture);
    }
}

}  // namespace snapwright
