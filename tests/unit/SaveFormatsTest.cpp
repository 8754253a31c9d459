#include "save/SaveFormats.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(FormatIndexForListTextTest, TheLastSevenCharactersNameTheFormat) {
    for (std::size_t i = 0; i < kSaveFormats.size(); ++i) {
        EXPECT_EQ(FormatIndexForListText(kSaveFormats[i].listText), static_cast<int>(i)) << kSaveFormats[i].listText;
    }
    // Only the tail counts, in any case: a translated description would still work.
    EXPECT_EQ(FormatIndexForListText("Grafik (*.jpg)"), 1);
    EXPECT_EQ(FormatIndexForListText("(*.tif)"), 3);
    EXPECT_EQ(FormatIndexForListText("Bitmap (*.BMP) "), std::nullopt);
    EXPECT_EQ(FormatIndexForListText("GIF (*.GIF)"), std::nullopt);
    EXPECT_EQ(FormatIndexForListText("*.PNG)"), std::nullopt);
    EXPECT_EQ(FormatIndexForListText(""), std::nullopt);
}

TEST(FormatForExtensionTest, FindsTheFormatOfAnExtensionInAnyCase) {
    ASSERT_NE(FormatForExtension(".Mng"), nullptr);
    EXPECT_EQ(FormatForExtension(".Mng")->codecFormat, CodecFormat::Mng);
    EXPECT_EQ(FormatForExtension(".gif"), nullptr);
    EXPECT_EQ(FormatForExtension("png"), nullptr);
}

TEST(SystemFilterListTest, PipesBecomeNulsAndTheListEndsInTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(SystemFilterList("*.png (Portable Network Graphic)|*.png"),
              "*.png (Portable Network Graphic)\0*.png\0\0"s);
    // A filter that already ends in "|" gets no second one.
    EXPECT_EQ(SystemFilterList("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|"),
              "Bitmap (*.bmp)\0*.bmp\0JPEG (*.jpg)\0*.jpg\0\0"s);
    EXPECT_EQ(SystemFilterList(""), "\0\0"s);
}

}  // namespace
}  // namespace snapwright
