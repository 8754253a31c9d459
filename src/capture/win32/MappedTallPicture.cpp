#include "capture/win32/MappedTallPicture.h"

#include <algorithm>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/win32/GdiPicture.h"

namespace snapwright::win32 {

// The section is committed against the paging file, whose pages the system fills with zeros only
// when they are first touched: rows never written cost no memory.
std::unique_ptr<MappedTallPicture> MappedTallPicture::Make(int width, int rows, int fewest) {
    if (width <= 0 || fewest <= 0) return nullptr;
    for (int tried = std::max(rows, fewest);; tried = std::max(fewest, tried / 2)) {
        const std::uint64_t bytes = Rgb24RowBytes(width) * static_cast<std::uint64_t>(tried);
        UniqueKernelHandle section(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                        static_cast<DWORD>(bytes >> 32),
                                                        static_cast<DWORD>(bytes & 0xFFFFFFFFu), nullptr));
        void* view = section ? ::MapViewOfFile(section.get(), FILE_MAP_WRITE, 0, 0, static_cast<SIZE_T>(bytes)) : nullptr;
        if (view) {
            return std::unique_ptr<MappedTallPicture>(
                new MappedTallPicture(width, tried, std::move(section), static_cast<std::uint8_t*>(view)));
        }
        DebugOutput("No room for a picture of " + std::to_string(tried) + " rows.");
        if (tried == fewest) return nullptr;
    }
}

MappedTallPicture::MappedTallPicture(int width, int rows, UniqueKernelHandle section, std::uint8_t* view)
    : m_width(width),
      m_rows(rows),
      m_rowBytes(static_cast<std::size_t>(Rgb24RowBytes(width))),
      m_section(std::move(section)),
      m_view(view) {}

MappedTallPicture::~MappedTallPicture() {
    if (m_view) ::UnmapViewOfFile(m_view);
}

std::uint8_t* MappedTallPicture::Row(int y) {
    return m_view + m_rowBytes * static_cast<std::size_t>(m_rows - 1 - y);
}

// The bitmap maps its own view of the section's last rows; the section lives on as long as a view
// of it does, so that this picture's view and handle can go at once.
PicturePtr MappedTallPicture::Finish(int height) {
    if (height <= 0 || height > m_rows || !m_view) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(m_width, height);
    void* bits = nullptr;
    const WindowDc screen(nullptr, false);
    const DWORD offset = static_cast<DWORD>(m_rowBytes * static_cast<std::size_t>(m_rows - height));
    HBITMAP bitmap = ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, m_section.get(), offset);
    ::UnmapViewOfFile(m_view);
    m_view = nullptr;
    m_section.reset();
    return BitmapToPicture(bitmap, nullptr);
}

std::unique_ptr<ITallPicture> NewTallPicture(int width, int rows, int fewest) {
    return MappedTallPicture::Make(width, rows, fewest);
}

}  // namespace snapwright::win32
