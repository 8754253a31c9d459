#pragma once
#include <cstdint>
#include <string>

#include "save/ImageLoad.h"

namespace snapwright::win32 {

// What the process can still allocate: the smaller of its free address space and the system's
// free commit (memory and page file).
std::uint64_t MemoryAvailableToProcess();

// An image file loaded for the editor, under the busy cursor, against the memory available now.
LoadedPicture LoadPictureWithBusyCursor(IImageCodec& codec, const std::string& path);

}  // namespace snapwright::win32
