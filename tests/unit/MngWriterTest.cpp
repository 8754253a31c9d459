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

// The e2e tests read the MNG files written back with ImageMagick, pixel for pixel; these are the
// chunk checksums, which ImageMagick does not insist on, and the profile of a transparent picture.
TEST(WrapPngAsMngTest, ChecksumsAndTheSimplicityProfile) {
    // The standard check value of CRC-32, and the CRC that every PNG's IEND chunk carries.
    const std::string check = "123456789";
    EXPECT_EQ(ChunkCrc(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0xCBF43926u);
    const std::string iend = "IEND";
    EXPECT_EQ(ChunkCrc(reinterpret_cast<const std::uint8_t*>(iend.data()), iend.size()), 0xAE426082u);

    Bytes png = fakes::TinyPng(1024, 768);
    png.insert(png.end(), {'j', 'u', 'n', 'k'});  // bytes after IEND are not copied
    const Bytes mng = WrapPngAsMng(png).value();
    EXPECT_EQ(TypeAt(mng, 12), "MHDR");
    EXPECT_EQ(BigEndianAt(mng, 40), 1u) << "a valid simplicity profile without transparency";
    EXPECT_EQ(BigEndianAt(mng, 44), ChunkCrc(&mng[12], 4 + 28));
    ASSERT_EQ(mng.size(), 48 + (png.size() - 4 - 8) + 12);
    EXPECT_EQ(TypeAt(mng, mng.size() - 8), "MEND");
    EXPECT_EQ(BigEndianAt(mng, mng.size() - 4), ChunkCrc(&mng[mng.size() - 8], 4));

    png[8 + 8 + 9] = 6;  // colour type 6: RGB with alpha (the chunk's CRC does not matter here)
    EXPECT_EQ(BigEndianAt(WrapPngAsMng(png).value(), 40), 9u) << "the picture may be transparent";
}

TEST(WrapPngAsMngTest, RefusesWhatIsNotACompletePng) {
    const Bytes png = fakes::TinyPng(2, 3);
    EXPECT_FALSE(WrapPngAsMng({}));
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.begin() + 8)));         // signature only
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.end() - 12)));          // no IEND
    EXPECT_FALSE(WrapPngAsMng(Bytes(png.begin(), png.end() - 1)));           // IEND cut short
    Bytes hugeLength = png;
    hugeLength[8] = 0xFF;  // the first chunk claims four gigabytes
    EXPECT_FALSE(WrapPngAsMng(hugeLength));
    Bytes noHeader = png;
    noHeader[12] = 'X';  // the first chunk is not IHDR
    EXPECT_FALSE(WrapPngAsMng(noHeader));
}

}  // namespace
}  // namespace snapwright
