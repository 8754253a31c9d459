#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace snapwright {

// A single-frame MNG datastream around a PNG datastream: the MNG signature, an MHDR chunk with
// the picture's size, the PNG's chunks as they stand (IHDR to IEND) and MEND. Nothing when the
// bytes are not a complete PNG datastream.
std::optional<std::vector<std::uint8_t>> WrapPngAsMng(const std::vector<std::uint8_t>& png);

// The CRC-32 that PNG and MNG chunks carry over their type and data.
std::uint32_t ChunkCrc(const std::uint8_t* bytes, std::size_t size);

}  // namespace snapwright
