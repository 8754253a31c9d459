#include "save/freeimage/FreeImageCodec.h"

#include <FreeImage.h>

#include <cstdint>
#include <limits>
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

// A file that the library reads through our own procedures, which note when the file ended before
// what a decoder asked for. Some decoders take that quietly: the BMP decoder leaves the missing
// rows black, the JPEG decoder grey, and either would give a half picture.
class ReadFile {
public:
    explicit ReadFile(std::FILE* file) : m_file(file) {}
    ~ReadFile() {
        if (m_file) std::fclose(m_file);
    }
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    explicit operator bool() const { return m_file != nullptr; }
    fi_handle Handle() { return this; }
    bool EndedEarly() const { return m_endedEarly; }
    static FreeImageIO* Io() {
        static FreeImageIO io{&Read, &Write, &Seek, &Tell};
        return &io;
    }

private:
    // The decoders read in blocks (`count` blocks of `size` bytes): the JPEG decoder buffers of
    // single bytes, whose last one is short at the end of any file, the others whole headers and
    // rows. The file was cut off when a read found nothing at all, or ended inside a block.
    static unsigned DLL_CALLCONV Read(void* buffer, unsigned size, unsigned count, fi_handle handle) {
        auto* self = static_cast<ReadFile*>(handle);
        if (size == 0 || count == 0) return 0;
        const std::uint64_t wanted = std::uint64_t{size} * count;
        if (wanted > std::numeric_limits<std::size_t>::max()) {
            self->m_endedEarly = true;
            return 0;
        }
        const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(wanted), self->m_file);
        if (got < wanted && (got == 0 || got % size != 0)) self->m_endedEarly = true;
        return static_cast<unsigned>(got / size);
    }
    static unsigned DLL_CALLCONV Write(void*, unsigned, unsigned, fi_handle) { return 0; }
    static int DLL_CALLCONV Seek(fi_handle handle, long offset, int origin) {
        return std::fseek(static_cast<ReadFile*>(handle)->m_file, offset, origin);
    }
    static long DLL_CALLCONV Tell(fi_handle handle) { return std::ftell(static_cast<ReadFile*>(handle)->m_file); }

    std::FILE* m_file;
    bool m_endedEarly = false;
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

CodecFormat FreeImageCodec::GetFileType(const std::string& path) {
    ReadFile file(OpenToRead(path));
    return file ? FormatOf(FreeImage_GetFileTypeFromHandle(ReadFile::Io(), file.Handle(), 16)) : CodecFormat::Unknown;
}

// Every format the editor opens reads its header alone when asked. MNG's plugin says it cannot,
// yet hands the request on to the PNG or JPEG decoder of its first frame, which can.
std::optional<ImageHeader> FreeImageCodec::ReadHeader(CodecFormat format, const std::string& path) {
    const CodecBitmap header = Load(format, path, FIF_LOAD_NOPIXELS);
    if (!header) return std::nullopt;
    const ImageHeader read{Width(header), Height(header), static_cast<int>(FreeImage_GetBPP(Dib(header)))};
    Unload(header);
    return read;
}

CodecBitmap FreeImageCodec::Load(CodecFormat format, const std::string& path, int flags) {
    ReadFile file(OpenToRead(path));
    if (!file) return 0;
    const auto fif = static_cast<FREE_IMAGE_FORMAT>(FormatNumber(format));
    FIBITMAP* dib = FreeImage_LoadFromHandle(fif, ReadFile::Io(), file.Handle(), flags);
    if (dib && file.EndedEarly()) {
        DebugOutput("FreeImage: the file ended before the picture did");
        FreeImage_Unload(dib);
        return 0;
    }
    return Handle(dib);
}

}  // namespace snapwright
