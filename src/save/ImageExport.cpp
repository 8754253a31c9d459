#include "save/ImageExport.h"

#include <algorithm>
#include <new>

#include "save/FileNaming.h"
#include "save/MngWriter.h"

namespace snapwright {

namespace {

constexpr const char* kNotConverted = "The screenshot could not be converted into an image of the image library.";
constexpr const char* kNotEncoded = "The image library could not encode the picture.";
constexpr const char* kNoThumbnail = "The image library could not scale the picture down to a thumbnail.";
constexpr const char* kEmptyFile = "The file is empty after writing.";

ExportOutcome Failed(const std::string& path, const std::string& reason) {
    return {false, path, reason};
}

// Converts the picture into a 24-bit codec bitmap and gives back every bitmap it made when it
// ends; the codec is initialised for exactly as long.
class CodecSession {
public:
    CodecSession(IImageCodec& codec, const Picture& picture) : m_codec(codec) {
        m_codec.Initialise();
        m_picture32 = m_codec.FromPicture(picture);
        if (m_picture32) m_picture24 = m_codec.ConvertTo24Bits(m_picture32);
    }
    ~CodecSession() {
        if (m_picture32) m_codec.Unload(m_picture32);
        if (m_picture24) m_codec.Unload(m_picture24);
        m_codec.DeInitialise();
    }
    CodecSession(const CodecSession&) = delete;
    CodecSession& operator=(const CodecSession&) = delete;

    CodecBitmap Picture24() const { return m_picture24; }

private:
    IImageCodec& m_codec;
    CodecBitmap m_picture32 = 0;
    CodecBitmap m_picture24 = 0;
};

}  // namespace

ImageExport::ImageExport(IImageCodec& codec, IBitmapFileWriter& bitmapFiles, IFileSystem& files)
    : m_codec(codec), m_bitmapFiles(bitmapFiles), m_files(files) {}

ExportOutcome ImageExport::Export(const SaveFormat& format, const std::string& fileName, const PicturePtr& picture,
                                  std::optional<ThumbSize> thumbnail) {
    if (!picture) return Failed(fileName, "There is no screenshot to save.");
    // A picture of many monitors takes a few hundred megabytes more while it is converted.
    try {
        if (format.mainFileByPicture) return ExportBitmapFile(fileName, *picture, thumbnail);
        return ExportByCodec(format, fileName, *picture, thumbnail);
    } catch (const std::bad_alloc&) {
        return Failed(fileName, "There is not enough memory to convert the screenshot.");
    }
}

ExportOutcome ImageExport::ExportByCodec(const SaveFormat& format, const std::string& fileName,
                                         const Picture& picture, std::optional<ThumbSize> thumbnail) {
    CodecSession session(m_codec, picture);
    if (!session.Picture24()) return Failed(fileName, kNotConverted);
    const FileOutcome main = SaveCodecFile(format.codecFormat, session.Picture24(), fileName, format.saveFlags);
    // Without its main file a thumbnail is no use: the failure is told once, for the main file.
    if (!main.ok) return Failed(fileName, main.reason);
    if (thumbnail) {
        const FileOutcome small =
            CreateThumbnail(format.codecFormat, session.Picture24(), fileName, format.saveFlags, *thumbnail);
        if (!small.ok) return Failed(ThumbnailFileName(fileName), small.reason);
    }
    return {};
}

ExportOutcome ImageExport::ExportBitmapFile(const std::string& fileName, const Picture& picture,
                                            std::optional<ThumbSize> thumbnail) {
    const FileOutcome main =
        WriteCleanly(fileName, [&] { return m_bitmapFiles.SaveBitmapFile(picture, fileName); });
    if (!main.ok) return Failed(fileName, main.reason);
    if (thumbnail) {
        // The picture writes the main file by itself; only the thumbnail needs the codec.
        CodecSession session(m_codec, picture);
        if (!session.Picture24()) return Failed(ThumbnailFileName(fileName), kNotConverted);
        const FileOutcome small = CreateThumbnail(CodecFormat::Bmp, session.Picture24(), fileName, 0, *thumbnail);
        if (!small.ok) return Failed(ThumbnailFileName(fileName), small.reason);
    }
    return {};
}

FileOutcome ImageExport::CreateThumbnail(CodecFormat format, CodecBitmap bitmap, const std::string& fileName,
                                         int flags, ThumbSize size) {
    // A tiny window grab can round a side down to nothing; a thumbnail keeps at least one pixel.
    const CodecBitmap small =
        m_codec.Rescale(bitmap, std::max(size.width, 1), std::max(size.height, 1), kRescaleBilinear);
    if (!small) return FileOutcome::Failure(kNoThumbnail);
    const FileOutcome outcome = SaveCodecFile(format, small, ThumbnailFileName(fileName), flags);
    m_codec.Unload(small);
    return outcome;
}

FileOutcome ImageExport::SaveCodecFile(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) {
    return WriteCleanly(path, [&] {
        if (format != CodecFormat::Mng) return m_codec.Save(format, bitmap, path, flags);
        // The codec reads MNG but does not write it: it encodes a PNG, which becomes the single
        // frame of an MNG datastream.
        const std::optional<std::vector<std::uint8_t>> mng =
            WrapPngAsMng(m_codec.SaveToMemory(CodecFormat::Png, bitmap, flags));
        if (!mng) return FileOutcome::Failure(kNotEncoded);
        return m_files.WriteFile(path, *mng);
    });
}

FileOutcome ImageExport::WriteCleanly(const std::string& path, const std::function<FileOutcome()>& write) {
    const std::optional<FileStamp> before = m_files.Stamp(path);
    FileOutcome outcome = write();
    const std::optional<FileStamp> after = m_files.Stamp(path);
    if (outcome.ok && (!after || after->size == 0)) outcome = FileOutcome::Failure(kEmptyFile);
    // A failed write can leave an empty or partial file; a file that it never touched (one that
    // could not be opened for writing) stays as it was.
    if (!outcome.ok && after && (!before || *after != *before)) m_files.RemoveFile(path);
    return outcome;
}

std::vector<std::uint8_t> EncodePng(IImageCodec& codec, const Picture& picture, int flags) {
    CodecSession session(codec, picture);
    if (!session.Picture24()) return {};
    return codec.SaveToMemory(CodecFormat::Png, session.Picture24(), flags);
}

}  // namespace snapwright
