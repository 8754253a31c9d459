#include "editor/UndoStack.h"

namespace snapwright {

UndoStack::UndoStack(std::size_t maxSteps, std::size_t maxBytes) : m_maxSteps(maxSteps), m_maxBytes(maxBytes) {}

// A whole picture is counted at four bytes a pixel, as the display may hold it: a long session on
// a large screen would otherwise exhaust a 32-bit program's memory.
std::size_t UndoStack::BytesOf(const UndoStep& step) {
    const std::size_t picture = step.picture ? std::size_t{4} * static_cast<std::size_t>(step.picture->Width()) *
                                                   static_cast<std::size_t>(step.picture->Height())
                                             : 0;
    return picture + step.patch.Bytes();
}

void UndoStack::Push(UndoStep step) {
    m_bytes += BytesOf(step);
    m_steps.push_back(std::move(step));
    // The newest step stays even when it alone is over the budget: the change just made can always
    // be undone.
    while (m_steps.size() > 1 && (m_steps.size() > m_maxSteps || m_bytes > m_maxBytes)) {
        m_bytes -= BytesOf(m_steps.front());
        m_steps.pop_front();
    }
}

std::optional<UndoStep> UndoStack::Pop() {
    if (m_steps.empty()) return std::nullopt;
    UndoStep step = std::move(m_steps.back());
    m_steps.pop_back();
    m_bytes -= BytesOf(step);
    return step;
}

void UndoStack::Clear() {
    m_steps.clear();
    m_bytes = 0;
}

}  // namespace snapwright
