#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/TextWrap.h"
#include "fakes/FakeTextRasteriser.h"

namespace snapwright {
namespace {

using ::testing::ElementsAre;

// Characters 24 pixels wide and spaces 12.
constexpr auto Extents = fakes::WideLetterExtents;

std::vector<std::string> Wrapped(const std::string& text, int width) {
    const std::u32string characters = DecodeUtf8(text);
    std::vector<std::string> lines;
    for (const WrappedLine& line : WrapLines(characters, width, Extents)) {
        lines.push_back(EncodeUtf8(characters.substr(line.begin, line.end - line.begin)));
    }
    return lines;
}

// A box of 180 pixels: whole words while they fit, the spaces at a break in no line, a word wider
// than the box broken after its last character that fits.
TEST(TextWrapTest, LinesTakeTheWordsThatFitAndAWordWiderThanTheBoxBreaksWhereItMust) {
    EXPECT_THAT(Wrapped("Wrapped words inside a narrow box", 180),
                ElementsAre("Wrapped", "words", "inside a", "narrow", "box"));
    EXPECT_THAT(Wrapped("Supercalifragilistic!", 180), ElementsAre("Superca", "lifragi", "listic!"));
    EXPECT_THAT(Wrapped("  indented   and  spaced  ", 400), ElementsAre("  indented   and", "spaced"));
    EXPECT_THAT(Wrapped("one\n\ntwo three", 130), ElementsAre("one", "", "two", "three"));
    EXPECT_THAT(Wrapped("no wrapping at all\nbut lines", 0), ElementsAre("no wrapping at all", "but lines"));
    EXPECT_THAT(Wrapped("x", 5), ElementsAre("x"));  // a box narrower than a character still shows it
    const std::vector<WrappedLine> lines = WrapLines(U"ab cd", 60, Extents);
    EXPECT_THAT(lines, ElementsAre(WrappedLine{0, 2, 48}, WrappedLine{3, 5, 48}));
}

TEST(TextWrapTest, Utf8GoesToCharactersAndBackAndMalformedBytesBecomeReplacements) {
    const std::string text = "Ωμέγα 日本 😀";
    EXPECT_EQ(DecodeUtf8(text).size(), 10u);
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(text)), text);
    EXPECT_EQ(DecodeUtf8("a\xC3" "b\xE2\x82"), (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xC0\xAF\xED\xA0\x80"), (std::u32string{0xFFFD, 0xFFFD}));  // overlong, surrogate
}

}  // namespace
}  // namespace snapwright
