#pragma once
#include <cstddef>
#include <deque>

#include "platform/Picture.h"

namespace snapwright {

// The pictures before each change, newest last. It keeps at most a number of pictures and of
// bytes, and lets the oldest go when either would be exceeded.
class UndoStack {
public:
    static constexpr std::size_t kMaxPictures = 255;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit UndoStack(std::size_t maxPictures = kMaxPictures, std::size_t maxBytes = kMaxBytes);

    void Push(PicturePtr picture);
    PicturePtr Pop();  // null when empty
    void Clear();
    std::size_t Count() const { return m_pictures.size(); }
    bool Empty() const { return m_pictures.empty(); }

private:
    static std::size_t BytesOf(const PicturePtr& picture);

    std::deque<PicturePtr> m_pictures;
    std::size_t m_bytes = 0;
    std::size_t m_maxPictures;
    std::size_t m_maxBytes;
};

}  // namespace snapwright
