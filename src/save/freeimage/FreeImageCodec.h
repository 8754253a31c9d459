#pragma once
#include "platform/ImageCodec.h"

struct FIBITMAP;

namespace snapwright {

// The image codec over the FreeImage library: bitmap conversions, scaling and in-memory
// encoding. Subclasses add what depends on the platform: where a picture's pixels come from and
// go to, and how a path reaches the library's file functions.
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

protected:
    static FIBITMAP* Dib(CodecBitmap bitmap) { return reinterpret_cast<FIBITMAP*>(bitmap); }
    static CodecBitmap Handle(FIBITMAP* dib) { return reinterpret_cast<CodecBitmap>(dib); }
    // The library's format number of a codec format.
    static int FormatNumber(CodecFormat format) { return static_cast<int>(format); }
    static CodecFormat FormatOf(int formatNumber);
};

}  // namespace snapwright
