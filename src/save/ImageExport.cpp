#include "save/ImageExport.h"

#include <algorithm>
#include <new>

#include "save/FileNaming.h"
#include "save/MngWriter.h"
#include "save/PathReasons.h"

namespace snapwright {

namespace {

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

ExportOutcome Refused(const std::string& path, TextId reason) {
    return {false, path, Message{reason}};
}

}  // namespace

// The files of one export, each written under a name of its own in its target's folder (so that
// it takes the target's name in one step) until all of them are whole. Those that never took
// their target's name are removed when the export ends.
class ImageExport::PendingFiles {
public:
    explicit PendingFiles(IFileSystem& files) : m_files(files) {}
    ~PendingFiles() {
        for (const Pending& file : m_pending) {
            if (!file.placed) m_files.RemoveFile(file.waiting);
        }
    }
    PendingFiles(const PendingFiles&) = delete;
    PendingFiles& operator=(const PendingFiles&) = delete;

    // The name to write the target's contents under: short, so that it fits wherever the
    // target's name does, and held by nothing else.
    std::string Add(const std::string& target) {
        const std::string folder = SplitPath(target).folder;
        std::string waiting;
        for (int n = 1; n < 100000; ++n) {
            waiting = folder + "~snapwright-" + std::to_string(n) + ".tmp";
            if (!m_files.Stamp(waiting) && !m_files.FolderExists(waiting) && !Holds(waiting)) break;
        }
        m_pending.push_back({target, waiting, m_files.Stamp(target).has_value(), false});
        return waiting;
    }

    // Every file takes its target's name, in the order they were added. When one cannot, those
    // placed before it that were new go again, and the target and the failure come back.
    std::optional<std::pair<std::string, FileOutcome>> Place() {
        for (Pending& file : m_pending) {
            const FileOutcome moved = m_files.RenameFile(file.waiting, file.target);
            if (!moved.ok) {
                for (const Pending& placed : m_pending) {
                    if (placed.placed && !placed.replaced) m_files.RemoveFile(placed.target);
                }
                return std::pair(file.target, moved);
            }
            file.placed = true;
        }
        return std::nullopt;
    }

private:
    struct Pending {
        std::string target;
        std::string waiting;
        bool replaced;  // a file of the target's name was there before
        bool placed;
    };

    bool Holds(const std::string& waiting) const {
        return std::ranges::any_of(m_pending, [&](const Pending& file) { return file.waiting == waiting; });
    }

    IFileSystem& m_files;
    std::vector<Pending> m_pending;
};

ImageExport::ImageExport(IImageCodec& codec, IBitmapFileWriter& bitmapFiles, IFileSystem& files)
    : m_codec(codec), m_bitmapFiles(bitmapFiles), m_files(files) {}

// A picture of many monitors takes a few hundred megabytes more while it is converted.
ExportOutcome ImageExport::Export(const SaveFormat& format, const std::string& fileName, const PicturePtr& picture,
                                  std::optional<ThumbSize> thumbnail) {
    if (!picture) return Refused(fileName, TextId::NoScreenshotToSaveMessage);
    PendingFiles pending(m_files);
    ExportOutcome written;
    try {
        written = format.mainFileByPicture ? ExportBitmapFile(fileName, *picture, thumbnail, pending)
                                           : ExportByCodec(format, fileName, *picture, thumbnail, pending);
    } catch (const std::bad_alloc&) {
        return Refused(fileName, TextId::NoMemoryToConvertReason);
    }
    if (!written.ok) return written;
    if (const auto unplaced = pending.Place()) return Failed(unplaced->first, unplaced->second);
    return {};
}

// Without its main file a thumbnail is no use: the main file's failure is told, and no thumbnail made.
ExportOutcome ImageExport::ExportByCodec(const SaveFormat& format, const std::string& fileName,
                                         const Picture& picture, std::optional<ThumbSize> thumbnail,
                                         PendingFiles& pending) {
    CodecSession session(m_codec, picture);
    if (!session.Picture24()) return Refused(fileName, TextId::NotConvertedReason);
    const FileOutcome main = SaveCodecFile(format.codecFormat, session.Picture24(), pending.Add(fileName), format.saveFlags);
    if (!main.ok) return Failed(fileName, main);
    if (!thumbnail) return {};
    const std::string thumbnailName = ThumbnailFileName(fileName);
    const FileOutcome small =
        CreateThumbnail(format.codecFormat, session.Picture24(), pending.Add(thumbnailName), format.saveFlags, *thumbnail);
    return small.ok ? ExportOutcome{} : Failed(thumbnailName, small);
}

ExportOutcome ImageExport::ExportBitmapFile(const std::string& fileName, const Picture& picture,
                                            std::optional<ThumbSize> thumbnail, PendingFiles& pending) {
    const std::string waiting = pending.Add(fileName);
    const FileOutcome main = WriteWhole(waiting, [&] { return m_bitmapFiles.SaveBitmapFile(picture, waiting); });
    if (!main.ok) return Failed(fileName, main);
    if (!thumbnail) return {};
    // The picture writes the main file by itself; only the thumbnail needs the codec.
    const std::string thumbnailName = ThumbnailFileName(fileName);
    CodecSession session(m_codec, picture);
    if (!session.Picture24()) return Refused(thumbnailName, TextId::NotConvertedReason);
    const FileOutcome small = CreateThumbnail(CodecFormat::Bmp, session.Picture24(), pending.Add(thumbnailName), 0, *thumbnail);
    return small.ok ? ExportOutcome{} : Failed(thumbnailName, small);
}

FileOutcome ImageExport::CreateThumbnail(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags,
                                         ThumbSize size) {
    // A tiny window grab can round a side down to nothing; a thumbnail keeps at least one pixel.
    const CodecBitmap small =
        m_codec.Rescale(bitmap, std::max(size.width, 1), std::max(size.height, 1), kRescaleBilinear);
    if (!small) return FileOutcome::Failure(FileFailure::NotScaled);
    const FileOutcome outcome = SaveCodecFile(format, small, path, flags);
    m_codec.Unload(small);
    return outcome;
}

FileOutcome ImageExport::SaveCodecFile(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) {
    return WriteWhole(path, [&] {
        if (format != CodecFormat::Mng) return m_codec.Save(format, bitmap, path, flags);
        // The codec reads MNG but does not write it: it encodes a PNG, which becomes the single
        // frame of an MNG datastream.
        const std::optional<std::vector<std::uint8_t>> mng =
            WrapPngAsMng(m_codec.SaveToMemory(CodecFormat::Png, bitmap, flags));
        if (!mng) return FileOutcome::Failure(FileFailure::NotEncoded);
        return m_files.WriteFile(path, *mng);
    });
}

// A write that reports success but leaves nothing has failed all the same.
FileOutcome ImageExport::WriteWhole(const std::string& path, const std::function<FileOutcome()>& write) {
    const FileOutcome outcome = write();
    if (!outcome.ok) return outcome;
    const std::optional<FileStamp> written = m_files.Stamp(path);
    return written && written->size > 0 ? outcome : FileOutcome::Failure(FileFailure::Empty);
}

ExportOutcome ImageExport::Failed(const std::string& path, const FileOutcome& failure) const {
    return {false, path, WriteFailureReason(m_files, path, failure)};
}

std::vector<std::uint8_t> EncodePng(IImageCodec& codec, const Picture& picture, int flags) {
    CodecSession session(codec, picture);
    if (!session.Picture24()) return {};
    return codec.SaveToMemory(CodecFormat::Png, session.Picture24(), flags);
}

}  // namespace snapwright
