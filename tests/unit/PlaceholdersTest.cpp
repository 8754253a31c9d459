#include "lang/Placeholders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Diagnostics.h"

namespace snapwright {
namespace {

std::string Fill(std::string_view text, const std::vector<TextValue>& values) {
    return FillPlaceholders(text, values);
}

TEST(Placeholders, EachIsReplacedByItsValueWhereverTheSentencePutsIt) {
    const std::vector<TextValue> values = {{"file", "Bild.png"}, {"size", "20000 × 300"}};
    EXPECT_EQ(Fill("{file}: {size} pixels", values), "Bild.png: 20000 × 300 pixels");
    EXPECT_EQ(Fill("Das Bild {file} hat {size} Pixel.", values), "Das Bild Bild.png hat 20000 × 300 Pixel.");
    EXPECT_EQ(Fill("Η εικόνα {size} — {size}", values), "Η εικόνα 20000 × 300 — 20000 × 300");
    EXPECT_EQ(Fill("no placeholder", values), "no placeholder") << "a value without a placeholder is left out";
}

// A file may be called "{size}.png" or "a}b{": its name goes in as it is and is not filled again.
TEST(Placeholders, AValueIsNeverReadForPlaceholders) {
    EXPECT_EQ(Fill("{file} is {size}", {{"file", "{size}.png"}, {"size", "big"}}), "{size}.png is big");
    EXPECT_EQ(Fill("{file}", {{"file", "{file}"}}), "{file}");
    EXPECT_EQ(Fill("[{file}]", {{"file", "a}b{"}}), "[a}b{]");
}

// A missing value is a mistake of the program: the placeholder stays visible and the developer is told.
TEST(Placeholders, APlaceholderWithoutAValueStaysAsWritten) {
    std::vector<std::string> told;
    SetDebugOutputSink([&told](const std::string& text) { told.push_back(text); });
    EXPECT_EQ(Fill("{file} needs {megabytes} MB", {{"file", "x.png"}}), "x.png needs {megabytes} MB");
    SetDebugOutputSink(nullptr);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("{megabytes}"), std::string::npos);
}

TEST(Placeholders, BracesThatNameNothingAreOrdinaryCharacters) {
    const std::vector<TextValue> values = {{"a", "A"}, {"File", "F"}};
    EXPECT_EQ(Fill("{} { a} {a b} {1} {File} {{a}} {a", values), "{} { a} {a b} {1} {File} {A} {a");
    EXPECT_EQ(Fill("", values), "");
}

TEST(Placeholders, ATranslationHasExactlyThePlaceholdersOfItsEnglishText) {
    static_assert(SamePlaceholders("The picture is {size}; {file}", "{file}: Bild {size}"));
    static_assert(!SamePlaceholders("{size} pixels", "size Pixel"), "checked while the table compiles");
    EXPECT_FALSE(SamePlaceholders("{file} is {size}", "{file}"));
    EXPECT_FALSE(SamePlaceholders("{file}", "{file} {reason}"));
    EXPECT_FALSE(SamePlaceholders("{file}", "{File}"));
    EXPECT_TRUE(SamePlaceholders("{file} {file}", "{file}"));
}

}  // namespace
}  // namespace snapwright
