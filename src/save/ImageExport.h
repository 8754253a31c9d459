#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/BitmapFile.h"
#include "platform/FileSystem.h"
#include "platform/ImageCodec.h"
#include "save/SaveFormats.h"
#include "save/ThumbnailSize.h"

namespace snapwright {

// How an export ended: the file that could not be written and why, when one could not.
struct ExportOutcome {
    bool ok = true;
    std::string path;
    std::string reason;
};

// Writes a picture to an image file of one of the save dialog's formats, and a thumbnail
// beside it. Every codec bitmap is given back before the codec is de-initialised, and a failed
// write (also for want of memory) leaves no empty or partial file behind.
class ImageExport {
public:
    ImageExport(IImageCodec& codec, IBitmapFileWriter& bitmapFiles, IFileSystem& files);

    ExportOutcome Export(const SaveFormat& format, const std::string& fileName, const PicturePtr& picture,
                         std::optional<ThumbSize> thumbnail);
    // The bitmap scaled to `size` and saved beside fileName under its thumbnail name.
    FileOutcome CreateThumbnail(CodecFormat format, CodecBitmap bitmap, const std::string& fileName, int flags,
                                ThumbSize size);

private:
    ExportOutcome ExportByCodec(const SaveFormat& format, const std::string& fileName, const Picture& picture,
                                std::optional<ThumbSize> thumbnail);
    ExportOutcome ExportBitmapFile(const std::string& fileName, const Picture& picture,
                                   std::optional<ThumbSize> thumbnail);
    FileOutcome SaveCodecFile(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags);
    FileOutcome WriteCleanly(const std::string& path, const std::function<FileOutcome()>& write);

    IImageCodec& m_codec;
    IBitmapFileWriter& m_bitmapFiles;
    IFileSystem& m_files;
};

// The picture as a PNG file in memory, 24 bits a pixel like a saved one; empty when the codec
// could not convert or encode it.
std::vector<std::uint8_t> EncodePng(IImageCodec& codec, const Picture& picture, int flags);

}  // namespace snapwright
