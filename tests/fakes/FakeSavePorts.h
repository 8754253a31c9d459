#pragma once
// In-memory ports for the host tests of the save dialog and the image export: a file system
// that keeps its files in a map, and mocks of the codec, the bitmap-file writer and the file
// dialogs, which a test tells what to answer.
#include <gmock/gmock.h>

#include <cstdint>
#include <deque>
#include <functional>
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

// A smallest complete PNG datastream of the given size (its chunks are well formed; its pixels
// are not the point).
inline std::vector<std::uint8_t> TinyPng(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    auto put32 = [](std::vector<std::uint8_t>& out, std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    auto chunk = [&](const char* type, const std::vector<std::uint8_t>& data) {
        put32(png, static_cast<std::uint32_t>(data.size()));
        const std::size_t start = png.size();
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), data.begin(), data.end());
        put32(png, ChunkCrc(png.data() + start, png.size() - start));
    };
    std::vector<std::uint8_t> header;
    put32(header, width);
    put32(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk("IHDR", header);
    chunk("IDAT", {0x78, 0x01, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01});
    chunk("IEND", {});
    return png;
}

// Gives the next of a list of times, then repeats the last.
class FakeClock : public IClock {
public:
    std::string GeneralDateTimeNow() const override {
        const std::string now = times.front();
        if (times.size() > 1) times.pop_front();
        return now;
    }
    mutable std::deque<std::string> times{"06.12.2026 10:39:30"};
};

class MockSliderForm : public ISliderForm {
public:
    MOCK_METHOD(void, SetSliderMin, (ControlId, int), (override));
    MOCK_METHOD(void, SetSliderMax, (ControlId, int), (override));
    MOCK_METHOD(void, SetSliderValue, (ControlId, int), (override));
    MOCK_METHOD(int, SliderValue, (ControlId), (const, override));
};

class FakeFileSystem : public IFileSystem {
public:
    std::string ProgramFolder() const override { return "C:\\Program Files\\Snapwright"; }
    // Folders by their paths without a closing "\"; a drive's root ("C:\") by its drive.
    bool FolderExists(const std::string& path) const override {
        if (path.size() == 3 && path[1] == ':' && path[2] == '\\') return drives.contains(path.substr(0, 2));
        return folders.contains(path);
    }
    FileOutcome CreateFolder(const std::string& path) override {
        folders.insert(path);
        return {};
    }
    std::optional<FileStamp> Stamp(const std::string& path) const override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        // The contents stand in for the time of the last write.
        return FileStamp{it->second.size(), std::hash<std::string>{}(std::string(it->second.begin(), it->second.end()))};
    }
    FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        if (writeFailure.empty()) {
            files[path] = bytes;
            return {};
        }
        // Like a full disk: the file is made and part of it written.
        files[path] = std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2));
        return FileOutcome::Failure(writeFailure);
    }
    FileOutcome RenameFile(const std::string& from, const std::string& to) override {
        if (to == renameFailsOnto) return FileOutcome::Failure("Access is denied.");
        if (!files.contains(from) || folders.contains(to)) return FileOutcome::Failure(FileFailure::NotFound);
        files[to] = files[from];
        files.erase(from);
        return {};
    }
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }

    std::set<std::string> drives{"C:", "D:"};
    std::set<std::string> folders;
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::string writeFailure;
    std::string renameFailsOnto;  // a path that no file can be moved onto, as a file held open
};

class MockFileDialogs : public IFileDialogs {
public:
    MOCK_METHOD(std::string, ShowSaveDialog, (const std::string&, const std::string&, const std::string&), (override));
    MOCK_METHOD(std::string, ShowOpenDialog, (const std::string&, const std::string&, const std::string&), (override));
};

class MockBitmapFileWriter : public IBitmapFileWriter {
public:
    MOCK_METHOD(FileOutcome, SaveBitmapFile, (const Picture&, const std::string&), (override));
};

class MockCodec : public IImageCodec {
public:
    MOCK_METHOD(void, Initialise, (), (override));
    MOCK_METHOD(void, DeInitialise, (), (override));
    MOCK_METHOD(CodecBitmap, FromPicture, (const Picture&), (override));
    MOCK_METHOD(PicturePtr, ToPicture, (CodecBitmap), (override));
    MOCK_METHOD(CodecBitmap, ConvertTo24Bits, (CodecBitmap), (override));
    MOCK_METHOD(CodecBitmap, Rescale, (CodecBitmap, int, int, int), (override));
    MOCK_METHOD(int, Width, (CodecBitmap), (const, override));
    MOCK_METHOD(int, Height, (CodecBitmap), (const, override));
    MOCK_METHOD(void, Unload, (CodecBitmap), (override));
    MOCK_METHOD(FileOutcome, Save, (CodecFormat, CodecBitmap, const std::string&, int), (override));
    MOCK_METHOD(std::vector<std::uint8_t>, SaveToMemory, (CodecFormat, CodecBitmap, int), (override));
    MOCK_METHOD(CodecFormat, GetFileType, (const std::string&), (override));
    MOCK_METHOD(std::optional<ImageHeader>, ReadHeader, (CodecFormat, const std::string&), (override));
    MOCK_METHOD(CodecBitmap, Load, (CodecFormat, const std::string&, int), (override));

    // A codec that works: every bitmap a new handle, counted until it is unloaded, and every
    // file written with a few bytes into `files`.
    void WorkInto(FakeFileSystem& files) {
        using ::testing::_;
        using ::testing::Invoke;
        ON_CALL(*this, Initialise()).WillByDefault(Invoke([this] { ++initialised; }));
        ON_CALL(*this, DeInitialise()).WillByDefault(Invoke([this] { --initialised; }));
        ON_CALL(*this, FromPicture(_)).WillByDefault(Invoke([this](const Picture&) { return Make(); }));
        ON_CALL(*this, ConvertTo24Bits(_)).WillByDefault(Invoke([this](CodecBitmap) { return Make(); }));
        ON_CALL(*this, Rescale(_, _, _, _)).WillByDefault(Invoke([this](CodecBitmap, int, int, int) { return Make(); }));
        ON_CALL(*this, Unload(_)).WillByDefault(Invoke([this](CodecBitmap) { --live; }));
        ON_CALL(*this, Save(_, _, _, _))
            .WillByDefault(Invoke([&files](CodecFormat, CodecBitmap, const std::string& path, int) {
                files.files[path] = {'i', 'm', 'g'};
                return FileOutcome{};
            }));
    }
    int live = 0;         // bitmaps handed out and not unloaded
    int initialised = 0;  // initialisations not yet ended

private:
    CodecBitmap Make() {
        ++live;
        return ++m_next;
    }
    CodecBitmap m_next = 0;
};

}  // namespace snapwright::fakes
