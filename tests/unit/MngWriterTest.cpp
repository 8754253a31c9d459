#include "save/MngWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeSavePorts.h"

namespace snapwright {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes.at(offset)) << 24 | static_cast<std::uint32_t>(bytes.at(offset + 1)) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 2)) << 8 | bytes.at(offset + 3);
}

std::string TypeAt(const Bytes& bytes, std::size_t offset) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

TEST(WrapPngAsMngTest, SignatureHeaderThePngsChunksAndEnd) {
    // The standard check value of CRC-32, and the CRC that every PNG's IEND chunk carries.
    const std::string check = "123456789";
    EXPECT_EQ(ChunkCrc(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0xCBF43926u);
    const std::string iend = "IEND";
    EXPECT_EQ(ChunkCrc(reinterpret_cast<const std::uint8_t*>(iend.data()), iend.size()), 0xAE426082u);

    const Bytes png = fakes::TinyPng(1024, 768);
    Bytes trailing = png;
    trailing.insert(trailing.end(), {'j', 'u', 'n', 'k'});  // bytes after IEND are not copied
    const std::optional<Bytes> wrapped = WrapPngAsMng(trailing);
    ASSERT_TRUE(wrapped);
    const Bytes& mng = *wrapped;

    const Bytes signature = {0x8A, 'M', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ASSERT_GE(mng.size(), 8u + 40u + 12u);
    EXPECT_EQ(Bytes(mng.begin(), mng.begin() + 8), signature);

    // MHDR: 28 bytes of data: frame size, ticks per second, layers, frames, play time, profile.
    EXPECT_EQ(BigEndianAt(mng, 8), 28u);
    EXPECT_EQ(TypeAt(mng, 12), "MHDR");
    EXPECT_EQ(BigEndianAt(mng, 16), 1024u);
    EXPECT_EQ(BigEndianAt(mng, 20), 768u);
    for (std::size_t field = 24; field <= 36; field += 4) EXPECT_EQ(BigEndianAt(mng, field), 1u) << field;
    EXPECT_EQ(BigEndianAt(mng, 40), 1u) << "a valid simplicity profile without transparency";
    EXPECT_EQ(BigEndianAt(mng, 44), ChunkCrc(&mng[12], 4 + 28));

    // The PNG's chunks follow verbatim, without its signature.
    const std::size_t pngChunks = png.size() - 8;
    EXPECT_EQ(Bytes(mng.begin() + 48, mng.begin() + 48 + static_cast<std::ptrdiff_t>(pngChunks)),
              Bytes(png.begin() + 8, png.end()));

    // MEND closes the stream.
    const std::size_t mend = 48 + pngChunks;
    ASSERT_EQ(mng.size(), mend + 12);
    EXPECT_EQ(BigEndianAt(mng, mend), 0u);
    EXPECT_EQ(TypeAt(mng, mend + 4), "MEND");
    EXPECT_EQ(BigEndianAt(mng, mend + 8), ChunkCrc(&mng[mend + 4], 4));

    Bytes withAlpha = png;
    withAlpha[8 + 8 + 9] = 6;  // colour type 6: RGB with alpha (the chunk's CRC does not matter here)
    EXPECT_EQ(BigEndianAt(WrapPngAsMng(withAlpha).value(), 40), 9u) << "the picture may be transparent";
}

TEST(WrapPngAsMngTest, RefusesWhatIsNotACompletePng) {
    const Bytes png = fakes::TinyPng(2, 3);
    EXPECT_FALSE(WrapPngAsMng({}));
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.begin() + 8)));         // signature only
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.end() - 12)));          // no IEND
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.end() - 1)));           // IEND cut short
    Bytes notPng = png;
    notPng[1] = 'Q';
    EXPECT_FALSE(WrapPngAsMng(notPng));
    Bytes hugeLength = png;
    hugeLength[8] = 0xFF;  // the first chunk claims four gigabytes
    EXPECT_FALSE(WrapPngAsMng(hugeLength));
    Bytes noHeader = png;
    noHeader[12] = 'X';  // the first chunk is not IHDR
    EXPECT_FALSE(WrapPngAsMng(noHeader));
}

}  // namespace
}  // namespace snapwright
