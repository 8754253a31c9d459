#pragma once
// FreeImage on the Linux host, for the benchmark of the image export: the
// program's codec adapter with a picture of plain pixels in place of a device bitmap, the
// library's own file functions on UTF-8 paths, and files through std::filesystem. Not a fake:
// every byte is encoded and decoded by Debian's FreeImage.
#include <FreeImage.h>

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/BitmapFile.h"
#include "platform/FileSystem.h"
#include "save/freeimage/FreeImageCodec.h"

namespace snapwright::fakes {

// A picture of 0x00RRGGBB pixels, top row first.
class PixelPicture : public Picture {
public:
    PixelPicture(int width, int height, std::vector<std::uint32_t> pixels)
        : width(width), height(height), pixels(std::move(pixels)) {}
    int Width() const override { return width; }
    int Height() const override { return height; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

// The pixels of a codec bitmap as 0x00RRGGBB, top row first (FreeImage keeps rows bottom-up).
inline std::vector<std::uint32_t> PixelsOf(FIBITMAP* dib) {
    std::unique_ptr<FIBITMAP, decltype(&FreeImage_Unload)> rgb(FreeImage_ConvertTo32Bits(dib), &FreeImage_Unload);
    const int width = static_cast<int>(FreeImage_GetWidth(rgb.get()));
    const int height = static_cast<int>(FreeImage_GetHeight(rgb.get()));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const BYTE* line = FreeImage_GetScanLine(rgb.get(), height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const BYTE* p = line + x * 4;
            pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint32_t>(p[FI_RGBA_RED]) << 16 |
                                                               static_cast<std::uint32_t>(p[FI_RGBA_GREEN]) << 8 |
                                                               p[FI_RGBA_BLUE];
        }
    }
    return pixels;
}

class HostFreeImageCodec : public FreeImageCodec {
public:
    CodecBitmap FromPicture(const Picture& picture) override {
        const auto* pixels = dynamic_cast<const PixelPicture*>(&picture);
        if (!pixels) return 0;
        FIBITMAP* dib = FreeImage_Allocate(pixels->width, pixels->height, 32);
        if (!dib) return 0;
        for (int y = 0; y < pixels->height; ++y) {
            BYTE* line = FreeImage_GetScanLine(dib, pixels->height - 1 - y);
            for (int x = 0; x < pixels->width; ++x) {
                const std::uint32_t c = pixels->At(x, y);
                line[x * 4 + FI_RGBA_RED] = static_cast<BYTE>(c >> 16);
                line[x * 4 + FI_RGBA_GREEN] = static_cast<BYTE>(c >> 8);
                line[x * 4 + FI_RGBA_BLUE] = static_cast<BYTE>(c);
                line[x * 4 + FI_RGBA_ALPHA] = 0;  // as GetDIBits leaves it
            }
        }
        return Handle(dib);
    }
    PicturePtr ToPicture(CodecBitmap bitmap) override {
        if (!bitmap) return nullptr;
        return std::make_shared<PixelPicture>(Width(bitmap), Height(bitmap), PixelsOf(Dib(bitmap)));
    }
    FileOutcome Save(CodecFormat format, CodecBitmap bitmap, const std::string& path, int flags) override {
        errno = 0;
        const auto fif = static_cast<FREE_IMAGE_FORMAT>(FormatNumber(format));
        if (bitmap && FreeImage_Save(fif, Dib(bitmap), path.c_str(), flags)) return {};
        return FileOutcome::Failure(errno ? std::strerror(errno) : "The image library could not write the file.");
    }

protected:
    std::FILE* OpenToRead(const std::string& path) override { return std::fopen(path.c_str(), "rb"); }
};

// Files of the host through std::filesystem; the paths use the host's own separators.
class HostFileSystem : public IFileSystem {
public:
    std::string ProgramFolder() const override { return std::filesystem::current_path().string(); }
    bool FolderExists(const std::string& path) const override {
        std::error_code error;
        return std::filesystem::is_directory(path, error);
    }
    FileOutcome CreateFolder(const std::string& path) override {
        std::error_code error;
        if (std::filesystem::create_directory(path, error) || !error) return {};
        return FileOutcome::Failure(error.message());
    }
    std::optional<FileStamp> Stamp(const std::string& path) const override {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (error) return std::nullopt;
        const auto time = std::filesystem::last_write_time(path, error);
        return FileStamp{size, static_cast<std::uint64_t>(time.time_since_epoch().count())};
    }
    FileOutcome WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out) return FileOutcome::Failure(std::strerror(errno));
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) return FileOutcome::Failure(std::strerror(errno));
        return {};
    }
    FileOutcome RenameFile(const std::string& from, const std::string& to) override {
        std::error_code error;
        std::filesystem::rename(from, to, error);
        return error ? FileOutcome::Failure(error.message()) : FileOutcome{};
    }
    bool RemoveFile(const std::string& path) override {
        std::error_code error;
        return std::filesystem::remove(path, error);
    }
};

// Stands in for the picture's own bitmap file on the host: the codec writes it as BMP.
class HostBitmapFileWriter : public IBitmapFileWriter {
public:
    explicit HostBitmapFileWriter(HostFreeImageCodec& codec) : m_codec(codec) {}
    FileOutcome SaveBitmapFile(const Picture& picture, const std::string& path) override {
        m_codec.Initialise();
        const CodecBitmap bitmap = m_codec.FromPicture(picture);
        const CodecBitmap rgb = m_codec.ConvertTo24Bits(bitmap);
        const FileOutcome outcome = m_codec.Save(CodecFormat::Bmp, rgb, path, 0);
        m_codec.Unload(rgb);
        m_codec.Unload(bitmap);
        m_codec.DeInitialise();
        return outcome;
    }

private:
    HostFreeImageCodec& m_codec;
};

}  // namespace snapwright::fakes
