#include "save/freeimage/FreeImageCodec.h"

#include <FreeImage.h>

#include <memory>
#include <string>

#include "platform/Diagnostics.h"

namespace snapwright {

static_assert(static_cast<int>(CodecFormat::Unknown) == FIF_UNKNOWN);
static_assert(static_cast<int>(CodecFormat::Bmp) == FIF_BMP);
static_assert(static_cast<int>(CodecFormat::Jpeg) == FIF_JPEG);
static_assert(static_cast<int>(CodecFormat::Mng) == FIF_MNG);
static_assert(static_cast<int>(CodecFormat::Png) == FIF_PNG);
static_assert(static_cast<int>(CodecFormat::Tiff) == FIF_TIFF);
static_assert(kRescaleBilinear == FILTER_BILINEAR);
static_assert(sizeof(CodecBitmap) >= sizeof(FIBITMAP*));

namespace {

// The library's own complaints (a file that would not open, a plugin's error) are worth a line
// in the debugger output.
void ReportLibraryMessage(FREE_IMAGE_FORMAT format, const char* message) {
    const char* name = format == FIF_UNKNOWN ? nullptr : FreeImage_GetFormatFromFIF(format);
    DebugOutput(std::string("FreeImage") + (name ? std::string(" ") + name : std::string()) + ": " +
                (message ? message : ""));
}

struct MemoryDeleter {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

}  // namespace

CodecFormat FreeImageCodec::FormatOf(int formatNumber) {
    for (CodecFormat format : {CodecFormat::Bmp, CodecFormat::Jpeg, CodecFormat::Mng, CodecFormat::Png,
                               CodecFormat::Tiff}) {
        if (static_cast<int>(format) == formatNumber) return format;
    }
    return CodecFormat::Unknown;
}

void FreeImageCodec::Initialise() {
    // Statically linked, the library has no DllMain that would do this: nothing works before it.
    FreeImage_Initialise(FALSE);
    FreeImage_SetOutputMessage(&ReportLibraryMessage);
}

void FreeImageCodec::DeInitialise() {
    FreeImage_DeInitialise();
}

CodecBitmap FreeImageCodec::ConvertTo24Bits(CodecBitmap bitmap) {
    return bitmap ? Handle(FreeImage_ConvertTo24Bits(Dib(bitmap))) : 0;
}

CodecBitmap FreeImageCodec::Rescale(CodecBitmap bitmap, int width, int height, int filter) {
    if (!bitmap || width < 1 || height < 1) return 0;
    return Handle(FreeImage_Rescale(Dib(bitmap), width, height, static_cast<FREE_IMAGE_FILTER>(filter)));
}

int FreeImageCodec::Width(CodecBitmap bitmap) const {
    return bitmap ? static_cast<int>(FreeImage_GetWidth(Dib(bitmap))) : 0;
}

int FreeImageCodec::Height(CodecBitmap bitmap) const {
    return bitmap ? static_cast<int>(FreeImage_GetHeight(Dib(bitmap))) : 0;
}

void FreeImageCodec::Unload(CodecBitmap bitmap) {
    if (bitmap) FreeImage_Unload(Dib(bitmap));
}

std::vector<std::uint8_t> FreeImageCodec::SaveToMemory(CodecFormat format, CodecBitmap bitmap, int flags) {
    if (!bitmap) return {};
    std::unique_ptr<FIMEMORY, MemoryDeleter> memory(FreeImage_OpenMemory());
    const auto fif = static_cast<FREE_IMAGE_FORMAT>(FormatNumber(format));
    if (!memory || !FreeImage_SaveToMemory(fif, Dib(bitmap), memory.get(), flags)) return {};
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!FreeImage_AcquireMemory(memory.get(), &data, &size) || !data) return {};
    return std::vector<std::uint8_t>(data, data + size);
}

}  // namespace snapwright
