#include "editor/UndoStack.h"

namespace snapwright {

// A whole picture is counted at four bytes a pixel, as the display may hold it: a long session on
// a large screen would otherwise exhaust a 32-bit program's memory.
std::size_t UndoStep::Bytes() const {
    const std::size_t whole =
        picture ? std::size_t{4} * static_cast<std::size_t>(picture->Width()) * static_cast<std::size_t>(picture->Height())
                : 0;
    return whole + patch.Bytes();
}

}  // namespace snapwright
