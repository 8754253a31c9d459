#pragma once
// In-memory ports for the host tests of the save dialog and the image export. The codec, the
// file system and the bitmap-file writer can share one log, so that a test sees the order of
// every call across them.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/BitmapFile.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/ImageCodec.h"
#include "platform/SliderForm.h"
#include "save/MngWriter.h"

namespace snapwright::fakes {

using CallLog = std::vector<std::string>;

// Always the same date and time, in the form the test gives.
class FixedClock : public IClock {
public:
    std::string GeneralDateTimeNow() const override { return now; }
    std::string now = "06.12.2026 10:39:30";
};

// Sliders that keep their range and position, and move the position into a range that moved
// past it, as a trackbar does.
class FakeSliderForm : public ISliderForm {
public:
    struct Slider {
        int min = 0;
        int max = 10;
        int value = 0;
    };
    void SetSliderMin(ControlId control, int value) override {
        Slider& s = sliders[control];
        s.min = value;
        if (s.max < value) s.max = value;
        if (s.value < value) s.value = value;
    }
    void SetSliderMax(ControlId control, int value) override {
        Slider& s = sliders[control];
        s.max = value;
        if (s.min > value) s.min = value;
        if (s.value > value) s.value = value;
    }
    void SetSliderValue(ControlId control, int value) override {
        Slider& s = sliders[control];
        s.value = value < s.min ? s.min : value > s.max ? s.max : value;
    }
    int SliderValue(ControlId control) const override {
        const auto it = sliders.find(control);
        return it == sliders.end() ? 0 : it->second.value;
    }
    std::map<ControlId, Slider> sliders;
};

class FakeFileSystem : public IFileSystem {
public:
    explicit FakeFileSystem(CallLog* log = nullptr) : m_log(log) {}

    std::string ProgramFolder() const override { return programFolder; }
    bool FolderExists(const std::string& path) const override { return folders.count(path) != 0; }
    FileOutcome CreateFolder(const std::string& path) override {
        Log("CreateFolder " + path);
        if (!createFolderFailure.empty()) return FileOutcome::Failure(createFolderFailure);
        folders.insert(path);
        return {};
    }
    std::optional<FileStamp> Stamp(const std::string& path) const override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return FileStamp{it->second.bytes.size(), it->second.writes};
    }
    FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        Log("WriteFile " + path);
        const auto failure = writeFailures.find(path);
        if (failure != writeFailures.end()) {
            // Like a full disk: the file is made and part of it written.
            const auto half = static_cast<std::ptrdiff_t>(bytes.size() / 2);
            Put(path, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + half));
            return FileOutcome::Failure(failure->second);
        }
        Put(path, bytes);
        return {};
    }
    bool RemoveFile(const std::string& path) override {
        Log("RemoveFile " + path);
        return files.erase(path) != 0;
    }

    void Put(const std::string& path, std::vector<std::uint8_t> bytes) {
        File& file = files[path];
        file.bytes = std::move(bytes);
        file.writes = ++m_clock;
    }
    bool Has(const std::string& path) const { return files.count(path) != 0; }
    const std::vector<std::uint8_t>& Bytes(const std::string& path) const { return files.at(path).bytes; }

    struct File {
        std::vector<std::uint8_t> bytes;
        std::uint64_t writes = 0;
    };
    std::string programFolder = "C:\\Program Files\\Snapwright";
    std::set<std::string> folders;
    std::map<std::string, File> files;
    std::map<std::string, std::string> writeFailures;
    std::string createFolderFailure;

private:
    void Log(const std::string& call) {
        if (m_log) m_log->push_back(call);
    }
    CallLog* m_log;
    std::uint64_t m_clock = 0;
};

class FakeFileDialogs : public IFileDialogs {
public:
    struct Call {
        std::string filter, title, initialFolder;
    };
    std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                               const std::string& initialFolder) override {
        saveCalls.push_back({filter, title, initialFolder});
        return answer;
    }
    std::string ShowOpenDialog(const std::string&, const std::string&, const std::string&) override { return answer; }
    std::string answer;
    std::vector<Call> saveCalls;
};

class FakeBitmapFileWriter : public IBitmapFileWriter {
public:
    FakeBitmapFileWriter(FakeFileSystem& files, CallLog& log) : m_files(files), m_log(log) {}
    FileOutcome SaveBitmapFile(const Picture& picture, const std::string& path) override {
        m_log.push_back("SaveBitmapFile " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()) +
                        " " + path);
        if (!failure.empty()) return FileOutcome::Failure(failure);
        m_files.Put(path, {'B', 'M', 0, 0});
        return {};
    }
    std::string failure;

private:
    FakeFileSystem& m_files;
    CallLog& m_log;
};

// A smallest complete PNG datastream of the given size (its chunks are well formed; its pixels
// are not the point).
inline std::vector<std::uint8_t> TinyPng(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    auto put32 = [&](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    auto chunk = [&](const char* type, const std::vector<std::uint8_t>& data) {
        put32(static_cast<std::uint32_t>(data.size()));
        const std::size_t start = png.size();
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), data.begin(), data.end());
        put32(ChunkCrc(png.data() + start, png.size() - start));
    };
    std::vector<std::uint8_t> ihdr;
    for (std::uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) ihdr.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk("IHDR", ihdr);
    chunk("IDAT", {0x78, 0x01, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01});
    chunk("IEND", {});
    return png;
}

// An image codec that records its calls and hands out numbered bitmaps. It keeps count of the
// bitmaps that are still loaded and of the initialisations not yet ended, so that a test can
// check that an export gives everything back.
class RecordingCodec : public IImageCodec {
public:
    RecordingCodec(FakeFileSystem& files, CallLog& log) : m_files(files), m_log(log) {}

    void Initialise() override {
        m_log.push_back("Initialise");
        ++initialised;
    }
    void DeInitialise() override {
        m_log.push_back("DeInitialise");
        --initialised;
    }
    CodecBitmap FromPicture(const Picture& picture) override {
        if (failFromPicture) {
            m_log.push_back("FromPicture failed");
            return 0;
        }
        const CodecBitmap bitmap = Make(picture.Width(), picture.Height(), 32);
        m_log.push_back("FromPicture -> " + Name(bitmap));
        return bitmap;
    }
    PicturePtr ToPicture(CodecBitmap bitmap) override {
        m_log.push_back("ToPicture " + Name(bitmap));
        return toPicture;
    }
    CodecBitmap ConvertTo24Bits(CodecBitmap bitmap) override {
        const Bitmap& source = live.at(bitmap);
        const CodecBitmap converted = Make(source.width, source.height, 24);
        m_log.push_back("ConvertTo24Bits " + Name(bitmap) + " -> " + Name(converted));
        return converted;
    }
    CodecBitmap Rescale(CodecBitmap bitmap, int width, int height, int filter) override {
        const CodecBitmap scaled = failRescale ? 0 : Make(width, height, live.at(bitmap).bpp);
        m_log.push_back("Rescale " + Name(bitmap) + " " + std::to_string(width) + "x" + std::to_string(height) +
                        " filter " + std::to_string(filter) + " -> " + Name(scaled));
        return scaled;
    }
    int Width(CodecBitmap bitmap) const override { return live.at(bitmap).width; }
    int Height(CodecBitmap bitmap) const override { return live.at(bitmap).height; }
    void Unload(CodecBitmap bitmap) override {
        m_log.push_back("Unload " + Name(bitmap));
        live.erase(bitmap);
    }
    FileOutcome Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) override {
        m_log.push_back("Save " + std::to_string(static_cast<int>(format)) + " " + Name(bitmap) + " " + path +
                        " flags " + std::to_string(flags));
        const auto failure = saveFailures.find(path);
        if (failure != saveFailures.end()) {
            if (leaveEmptyFileOnFailure) m_files.Put(path, {});
            return FileOutcome::Failure(failure->second);
        }
        const Bitmap& b = live.at(bitmap);
        saved[path] = b;
        m_files.Put(path, {'i', 'm', 'g'});
        return {};
    }
    std::vector<std::uint8_t> SaveToMemory(CodecFormat format, CodecBitmap bitmap, int flags) override {
        m_log.push_back("SaveToMemory " + std::to_string(static_cast<int>(format)) + " " + Name(bitmap) + " flags " +
                        std::to_string(flags));
        if (format != CodecFormat::Png || failSaveToMemory) return {};
        const Bitmap& b = live.at(bitmap);
        return TinyPng(static_cast<std::uint32_t>(b.width), static_cast<std::uint32_t>(b.height));
    }
    CodecFormat GetFileType(const std::string& path) override {
        m_log.push_back("GetFileType " + path);
        return fileType;
    }
    CodecBitmap Load(CodecFormat format, const std::string& path, int flags) override {
        const CodecBitmap bitmap = failLoad ? 0 : Make(8, 8, 24);
        m_log.push_back("Load " + std::to_string(static_cast<int>(format)) + " " + path + " flags " +
                        std::to_string(flags) + " -> " + Name(bitmap));
        return bitmap;
    }

    struct Bitmap {
        int width = 0;
        int height = 0;
        int bpp = 0;
    };
    std::map<CodecBitmap, Bitmap> live;
    std::map<std::string, Bitmap> saved;  // what each path was saved from
    std::map<std::string, std::string> saveFailures;
    int initialised = 0;
    bool leaveEmptyFileOnFailure = false;
    bool failFromPicture = false;
    bool failRescale = false;
    bool failSaveToMemory = false;
    bool failLoad = false;
    CodecFormat fileType = CodecFormat::Png;
    PicturePtr toPicture;

private:
    CodecBitmap Make(int width, int height, int bpp) {
        const CodecBitmap bitmap = ++m_next;
        live[bitmap] = {width, height, bpp};
        return bitmap;
    }
    static std::string Name(CodecBitmap bitmap) { return "#" + std::to_string(bitmap); }

    FakeFileSystem& m_files;
    CallLog& m_log;
    CodecBitmap m_next = 0;
};

}  // namespace snapwright::fakes
