#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lang/UserText.h"
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
    Message reason{TextId::SystemReason};
};

// Writes a picture to an image file of one of the save dialog's formats, and a thumbnail beside
// it. Both are written under names of their own first and take their places when both are whole:
// a failure (also for want of memory) leaves neither a new file nor a partial one, and files of
// those names as they were. Every codec bitmap is given back before the codec is de-initialised.
class ImageExport {
public:
    ImageExport(IImageCodec& codec, IBitmapFileWriter& bitmapFiles, IFileSystem& files);

    ExportOutcome Export(const SaveFormat& format, const std::string& fileName, const PicturePtr& picture,
                         std::optional<ThumbSize> thumbnail);

private:
    class PendingFiles;

    ExportOutcome ExportByCodec(const SaveFormat& format, const std::string& fileName, const Picture& picture,
                                std::optional<ThumbSize> thumbnail, PendingFiles& pending);
    ExportOutcome ExportBitmapFile(const std::string& fileName, const Picture& picture,
                                   std::optional<ThumbSize> thumbnail, PendingFiles& pending);
    // The bitmap scaled to `size` and saved under the thumbnail's name in waiting.
    FileOutcome CreateThumbnail(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags,
                                ThumbSize size);
    FileOutcome SaveCodecFile(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags);
    FileOutcome WriteWhole(const std::string& path, const std::function<FileOutcome()>& write);
    ExportOutcome Failed(const std::string& path, const FileOutcome& failure) const;

    IImageCodec& m_codec;
    IBitmapFileWriter& m_bitmapFiles;
    IFileSystem& m_files;
};

// The picture as a PNG file in memory, 24 bits a pixel like a saved one; empty when the codec
// could not convert or encode it.
std::vector<std::uint8_t> EncodePng(IImageCodec& codec, const Picture& picture, int flags);

}  // namespace snapwright
