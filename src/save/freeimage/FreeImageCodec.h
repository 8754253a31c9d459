#pragma once
#include <cstdio>

#include "platform/ImageCodec.h"

struct FIBITMAP;

namespace snapwright {

// The image codec over the FreeImage library: bitmap conversions, scaling, in-memory encoding and
// the reading of files. Subclasses add what depends on the platform: where a picture's pixels come
// from and go to, and how a path reaches the library's file functions.
class FreeImageCodec : public IImageCodec {
public:
    void Initialise() override;
    void DeInitialise() override;
    CodecBitmap ConvertTo24Bits(CodecBitmap bitmap) override;
    CodecBitmap Rescale(CodecBitmap bitmap, int width, int height, int filter) override;
    int Width(CodecBitmap bitmap) const override;
    int Height(CodecBitmap bitmap) const override;
    void Unload(CodecBitmap bitmap) override;
    std::vector<std::uint8_t> SaveToMemory(CodecFormat format, CodecBitmap bitmap, int flags) override;
    CodecFormat GetFileType(const std::string& path) override;
    std::optional<ImageHeader> ReadHeader(CodecFormat format, const std::string& path) override;
    CodecBitmap Load(CodecFormat format, const std::string& path, int flags) override;

protected:
    // The file opened for reading in binary, or null; the caller closes it.
    virtual std::FILE* OpenToRead(const std::string& path) = 0;

    static FIBITMAP* Dib(CodecBitmap bitmap) { return reinterpret_cast<FIBITMAP*>(bitmap); }
    static CodecBitmap Handle(FIBITMAP* dib) { return reinterpret_cast<CodecBitmap>(dib); }
    // The library's format number of a codec format.
    static int FormatNumber(CodecFormat format) { return static_cast<int>(format); }
    static CodecFormat FormatOf(int formatNumber);
};

}  // namespace snapwright
