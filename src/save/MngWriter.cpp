#include "save/MngWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace snapwright {

namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::array<std::uint8_t, 8> kMngSignature = {0x8A, 'M', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t ReadBigEndian(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t crcStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    AppendBigEndian(out, ChunkCrc(out.data() + crcStart, out.size() - crcStart));
}

}  // namespace

std::uint32_t ChunkCrc(const std::uint8_t* bytes, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::optional<std::vector<std::uint8_t>> WrapPngAsMng(const std::vector<std::uint8_t>& png) {
    if (png.size() < kPngSignature.size() || !std::equal(kPngSignature.begin(), kPngSignature.end(), png.begin())) {
        return std::nullopt;
    }
    // Walk the chunks: the first must be IHDR (it gives the frame size), the last IEND.
    std::size_t offset = kPngSignature.size();
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool transparency = false;
    bool first = true;
    bool ended = false;
    while (!ended) {
        if (png.size() - offset < 12) return std::nullopt;
        const std::uint32_t length = ReadBigEndian(&png[offset]);
        if (length > png.size() - offset - 12) return std::nullopt;
        const std::string_view type(reinterpret_cast<const char*>(&png[offset + 4]), 4);
        if (first) {
            if (type != "IHDR" || length != 13) return std::nullopt;
            width = ReadBigEndian(&png[offset + 8]);
            height = ReadBigEndian(&png[offset + 12]);
            transparency = (png[offset + 17] & 4) != 0;  // colour types 4 and 6 carry alpha
            first = false;
        }
        if (type == "tRNS") transparency = true;
        ended = type == "IEND";
        offset += 12 + length;
    }

    std::vector<std::uint8_t> mng(kMngSignature.begin(), kMngSignature.end());
    mng.reserve(offset + 64);
    // MHDR: frame width and height, 1 tick per second, one layer, one frame, a play time of one
    // tick, and a simplicity profile that is valid (bit 0) for a stream of very low complexity,
    // which says whether transparency may be present (bit 3).
    const std::uint32_t profile = transparency ? 0x9u : 0x1u;
    std::vector<std::uint8_t> header;
    for (std::uint32_t value : {width, height, 1u, 1u, 1u, 1u, profile}) AppendBigEndian(header, value);
    AppendChunk(mng, "MHDR", header);
    mng.insert(mng.end(), png.begin() + static_cast<std::ptrdiff_t>(kPngSignature.size()),
               png.begin() + static_cast<std::ptrdiff_t>(offset));
    AppendChunk(mng, "MEND", {});
    return mng;
}

}  // namespace snapwright
