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
    std::size_t Bytes() const;
};

// The steps back through the changes, newest last. It keeps at most a number of steps and of
// bytes (as each step counts its own), and lets the oldest go when either would be exceeded.
template <typename Step>
class UndoStackOf {
public:
    static constexpr std::size_t kMaxSteps = 255;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit UndoStackOf(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes)
        : m_maxSteps(maxSteps), m_maxBytes(maxBytes) {}

    // The newest step stays even when it alone is over the budget: the change just made can always
    // be undone.
    void Push(Step step) {
        m_bytes += step.Bytes();
        m_steps.push_back(std::move(step));
        while (m_steps.size() > 1 && (m_steps.size() > m_maxSteps || m_bytes > m_maxBytes)) {
            m_bytes -= m_steps.front().Bytes();
            m_steps.pop_front();
        }
    }
    std::optional<Step> Pop() {
        if (m_steps.empty()) return std::nullopt;
        Step step = std::move(m_steps.back());
        m_steps.pop_back();
        m_bytes -= step.Bytes();
        return step;
    }
    void Clear() {
        m_steps.clear();
        m_bytes = 0;
    }
    std::size_t Count() const { return m_steps.size(); }
    bool Empty() const { return m_steps.empty(); }
    std::size_t Bytes() const { return m_bytes; }

private:
    std::deque<Step> m_steps;
    std::size_t m_bytes = 0;
    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
};

using UndoStack = UndoStackOf<UndoStep>;

}  // namespace snapwright
