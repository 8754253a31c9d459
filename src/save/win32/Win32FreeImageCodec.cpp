#include "save/win32/Win32FreeImageCodec.h"

#include <cerrno>
#include <cstring>

#include "platform/win32/GdiPicture.h"
#include "platform/win32/SystemErrorText.h"
#include "platform/win32/WideText.h"
#include "save/win32/FreeImageBridge.h"

namespace snapwright::win32 {

namespace {

FREE_IMAGE_FORMAT Fif(CodecFormat format) {
    return static_cast<FREE_IMAGE_FORMAT>(static_cast<int>(format));
}

}  // namespace

CodecBitmap Win32FreeImageCodec::FromPicture(const Picture& picture) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    if (!gdi) return 0;
    FIBITMAP* dib = nullptr;
    return DibFromBitmap(gdi->Bitmap(), dib) ? Handle(dib) : 0;
}

PicturePtr Win32FreeImageCodec::ToPicture(CodecBitmap bitmap) {
    HBITMAP device = nullptr;
    if (!BitmapFromDib(Dib(bitmap), device)) return nullptr;
    return BitmapToPicture(device, nullptr);
}

FileOutcome Win32FreeImageCodec::Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) {
    if (!bitmap) return FileOutcome::Failure("There is no picture to write.");
    ::SetLastError(0);
    errno = 0;
    if (FreeImage_SaveU(Fif(format), Dib(bitmap), ToWide(path).c_str(), flags)) return {};
    // The library opens and writes the file with the C runtime, which leaves the system's error
    // (the folder is missing, access is denied, the disk is full) behind.
    const DWORD error = ::GetLastError();
    if (error != 0) return FileOutcome::Failure(SystemErrorText(error));
    if (errno != 0) return FileOutcome::Failure(std::strerror(errno));
    return FileOutcome::Failure("The image library could not write the file.");
}

std::FILE* Win32FreeImageCodec::OpenToRead(const std::string& path) {
    return ::_wfopen(ToWide(path).c_str(), L"rb");
}

}  // namespace snapwright::win32
