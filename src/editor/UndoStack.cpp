#include "editor/UndoStack.h"

namespace snapwright {

UndoStack::UndoStack(std::size_t maxPictures, std::size_t maxBytes) : m_maxPictures(maxPictures), m_maxBytes(maxBytes) {}

// A snapshot is a full picture, four bytes a pixel on the display: a long session on a large
// screen would otherwise exhaust a 32-bit program's memory.
std::size_t UndoStack::BytesOf(const PicturePtr& picture) {
    return picture ? std::size_t{4} * static_cast<std::size_t>(picture->Width()) *
                         static_cast<std::size_t>(picture->Height())
                   : 0;
}

void UndoStack::Push(PicturePtr picture) {
    m_bytes += BytesOf(picture);
    m_pictures.push_back(std::move(picture));
    // The newest snapshot stays even when it alone is over the budget: the change just made can
    // always be undone.
    while (m_pictures.size() > 1 && (m_pictures.size() > m_maxPictures || m_bytes > m_maxBytes)) {
        m_bytes -= BytesOf(m_pictures.front());
        m_pictures.pop_front();
    }
}

PicturePtr UndoStack::Pop() {
    if (m_pictures.empty()) return nullptr;
    PicturePtr picture = std::move(m_pictures.back());
    m_pictures.pop_back();
    m_bytes -= BytesOf(picture);
    return picture;
}

void UndoStack::Clear() {
    m_pictures.clear();
    m_bytes = 0;
}

}  // namespace snapwright
