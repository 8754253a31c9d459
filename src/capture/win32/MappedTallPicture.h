#pragma once
#include <windows.h>

#include <memory>

#include "capture/ScrollFrame.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

// A tall picture in memory that the system backs by its paging file: room for the height limit is
// set aside, but only the rows written take memory. Its rows lie bottom-up from the end of that
// room, so that the finished picture is a 24-bit bottom-up DIB section over the same memory,
// without a copy: the layout of every other screenshot.
class MappedTallPicture : public ITallPicture {
public:
    // Room for `rows` rows, or for as many fewer as the address space has room for, down to
    // `fewest`; null when not even that many fit.
    static std::unique_ptr<MappedTallPicture> Make(int width, int rows, int fewest);

    ~MappedTallPicture() override;
    int Width() const override { return m_width; }
    int Capacity() const override { return m_rows; }
    std::uint8_t* Row(int y) override;
    PicturePtr Finish(int height) override;

private:
    MappedTallPicture(int width, int rows, UniqueKernelHandle section, std::uint8_t* view);

    int m_width;
    int m_rows;
    std::size_t m_rowBytes;
    UniqueKernelHandle m_section;
    std::uint8_t* m_view;
};

// The scrolling capture's pictures: MappedTallPicture::Make.
std::unique_ptr<ITallPicture> NewTallPicture(int width, int rows, int fewest);

}  // namespace snapwright::win32
