#include "save/win32/PictureFileLoad.h"

#include <windows.h>

#include <algorithm>

namespace snapwright::win32 {

namespace {

// The wait cursor for as long as the thread answers no messages; the one before comes back after.
class ScopedWaitCursor {
public:
    ScopedWaitCursor() : m_previous(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    ~ScopedWaitCursor() { ::SetCursor(m_previous); }
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

}  // namespace

std::uint64_t MemoryAvailableToProcess() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!::GlobalMemoryStatusEx(&status)) return 0;
    return std::min<std::uint64_t>(status.ullAvailVirtual, status.ullAvailPageFile);
}

LoadedPicture LoadPictureWithBusyCursor(IImageCodec& codec, const std::string& path) {
    const ScopedWaitCursor busy;
    return LoadPictureFile(codec, path, MemoryAvailableToProcess());
}

}  // namespace snapwright::win32
