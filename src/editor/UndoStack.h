#pragma once
#include <cstddef>
#include <deque>
#include <optional>

#include "editor/PixelPatch.h"
#include "platform/Picture.h"

namespace snapwright {

// What an undo gives back: the whole picture before a change of its size (a crop), or else the
// pixels that a change replaced.
struct UndoStep {
    PicturePtr picture;
    PixelPatch patch;
};

// The steps back through the changes, newest last. It keeps at most a number of steps and of
// bytes, and lets the oldest go when either would be exceeded.
class UndoStack {
public:
    static constexpr std::size_t kMaxSteps = 255;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit UndoStack(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes);

    void Push(UndoStep step);
    std::optional<UndoStep> Pop();
    void Clear();
    std::size_t Count() const { return m_steps.size(); }
    bool Empty() const { return m_steps.empty(); }
    std::size_t Bytes() const { return m_bytes; }

private:
    static std::size_t BytesOf(const UndoStep& step);

    std::deque<UndoStep> m_steps;
    std::size_t m_bytes = 0;
    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
};

}  // namespace snapwright
