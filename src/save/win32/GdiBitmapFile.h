#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/BitmapFile.h"
#include "platform/FileSystem.h"

namespace snapwright::win32 {

// The bytes of a 24-bit Windows bitmap file of a device bitmap, with its palette when it has
// one; empty when its pixels cannot be read.
std::vector<std::uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette);

// Writes a picture of the program as a Windows bitmap file, without the image codec.
class GdiBitmapFile : public IBitmapFileWriter {
public:
    explicit GdiBitmapFile(IFileSystem& files) : m_files(files) {}
    FileOutcome SaveBitmapFile(const Picture& picture, const std::string& path) override;

private:
    IFileSystem& m_files;
};

}  // namespace snapwright::win32
