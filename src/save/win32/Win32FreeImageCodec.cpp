#include "save/win32/Win32FreeImageCodec.h"

#include <cerrno>
#include <cstdlib>

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
    if (!bitmap) return FileOutcome::Failure(FileFailure::NotEncoded);
    ::SetLastError(0);
    errno = 0;
    _doserrno = 0;
    if (FreeImage_SaveU(Fif(format), Dib(bitmap), ToWide(path).c_str(), flags)) return {};
    // The library opens and writes the file with the C runtime, which leaves the system's error
    // (the folder is missing, access is denied, the disk is full) behind, or keeps it for errno.
    DWORD error = ::GetLastError();
    if (error == 0) error = static_cast<DWORD>(_doserrno);
    if (error != 0) return FileErrorOutcome(error);
    switch (errno) {
        case ENOENT: return FileOutcome::Failure(FileFailure::NotFound);
        case ENAMETOOLONG: return FileOutcome::Failure(FileFailure::NameTooLong);
        case EINVAL: return FileOutcome::Failure(FileFailure::BadName);
        default: return FileOutcome::Failure(FileFailure::Other);
    }
}

std::FILE* Win32FreeImageCodec::OpenToRead(const std::string& path) {
    return ::_wfopen(ToWide(path).c_str(), L"rb");
}

}  // namespace snapwright::win32
